// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

// What every board has in common: its size, its five six-letter words and the way they
// chain across, down, across, down, across. Everything that lays out, reads, keeps, checks
// or redraws a board takes its shape from here.
inline constexpr int kBoardSize = 20;  // columns and rows
inline constexpr int kWordLength = 6;  // letters in every word
inline constexpr int kWordCount = 5;   // words on every board
inline constexpr int kCrossingCount = kWordCount - 1;
// Word 1 (down) meets word 2 (across) at word 1's fourth letter.
inline constexpr int kWord1CrossIndex = 3;

enum class Direction { Across, Down };

// A word's number, as the board prints it at the word's first cell and as every text names
// the word: its place in the chain (1 across, 2 down, ... 5 across), as crosswords number.
constexpr int wordNumber(int chainIndex) { return chainIndex + 1; }

// What the last check said of a slot, and so of each typed letter in it.
enum class Verdict { Unchecked, Word, NotWord };

struct BoardCell {
    int x {}; // the column, 0 at the left
    int y {}; // the row, 0 at the top
    bool operator==(const BoardCell&) const = default;
    auto operator<=>(const BoardCell&) const = default;
};

// Where one word lies: its first cell and the way it runs.
struct Placement {
    BoardCell start;
    Direction direction = Direction::Across;

    BoardCell cell(int index) const;
    // The index of `cell` in the word, or -1 where the word does not cover it.
    int indexOf(BoardCell cell) const;
    bool covers(BoardCell cell) const { return indexOf(cell) >= 0; }
    bool operator==(const Placement&) const = default;
};

// Where the dealt words cross, as dealing finds them: word 1 starts below word 0's first
// vowel, word 2 holds word 1's fourth letter at `word2Cross`, word 3 starts at word 2's
// last letter and word 4 holds word 3's last letter at `word4Cross`.
struct ChainCrossings {
    int vowelIndex {}; // 0 .. kWordLength - 1
    int word2Cross {}; // 0 .. vowelIndex, and below kWordLength - 1 so words 1 and 3 never touch
    int word4Cross {}; // 0 .. kWordLength - 1
    bool operator==(const ChainCrossings&) const = default;
};

using ChainPlacements = std::array<Placement, kWordCount>;

// True when the crossings can be laid out: each within the range its comment gives.
bool isValidChain(const ChainCrossings& chain);

// The five words' places, in chain order. `chain` must be valid.
ChainPlacements placeChain(const ChainCrossings& chain);

// The crossings of five places, or nothing unless they lie exactly as placeChain lays some
// valid chain out.
std::optional<ChainCrossings> chainOf(const ChainPlacements& words);

// The four cells where consecutive words cross, in chain order: the fixed letters.
std::array<BoardCell, kCrossingCount> crossingCells(const ChainCrossings& chain);

// The order in which a check reads the slots: by start cell column by column, top to
// bottom, and where two words start in one cell the down word first. Indexes into the chain.
std::array<int, kWordCount> checkingOrder(const ChainPlacements& words);
