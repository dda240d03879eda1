// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_geometry.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Five words that chain across, down, across, down, across, and where they cross:
// word 0 at `vowelIndex` (its first vowel) with the first letter of word 1; word 1 at
// index 3 with word 2 at `word2Cross`; the last letter of word 2 with the first of word 3;
// the last letter of word 3 with word 4 at `word4Cross`.
struct PuzzleWords {
    std::array<std::array<char, 32>, kWordCount> words {};
    int32_t vowelIndex = 0;
    int32_t word2Cross = 0; // 0 .. vowelIndex, and below 5 so words 1 and 3 never overlap
    int32_t word4Cross = 0;
};

// The five words as the game model takes them.
std::array<QString, kWordCount> wordsOf(const PuzzleWords& puzzle);

inline ChainCrossings chainCrossings(const PuzzleWords& puzzle)
{
    return {puzzle.vowelIndex, puzzle.word2Cross, puzzle.word4Cross};
}

// Draws the five words from the rows of the word list that hold six ASCII letters; blank
// or damaged rows are never drawn. Every step, word 0's included (it needs a vowel), draws
// at most 100 times the number of such rows and, when it runs out, the chain starts again
// from word 0; when the first chain and five fresh starts all fail, the list is judged
// unable to make a puzzle and nothing is returned (at once when no row holds six letters).
std::optional<PuzzleWords> selectPuzzleWords();
// The same, its draws from the deal generator restarted at `seed`: the board a code names.
std::optional<PuzzleWords> selectPuzzleWords(uint64_t seed);
