// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/round/lexicon.h"
#include "core/board/board_state.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What a board allowed: for each slot (in chain order) its fixed letters and the words that
// fit them best, and the best possible round score. The fitting share only fixed cells, so
// each slot's best word can be chosen on its own and together they make the best round.
struct BoardBest {
    std::array<std::string, kWordCount> patterns;               // see slotPattern
    std::array<std::vector<ScoredWord>, kWordCount> fitting;    // best first; empty when none fits
    int total = 0;                                              // the sum of each slot's best score
    // Whether `total` can be told: the lexicon was there, and it reaches the computer's own
    // score, which no best possible can fall below.
    bool isKnown = false;
    // The best with common words alone (see commonWords), where it can be told: each slot's best
    // common word, whose total reaches the computer's score (its words are common) and stays
    // within the best possible.
    std::optional<int> commonTotal;
    // Beside `fitting`: which of those words are rare, not common; empty until common words are known.
    std::array<std::vector<bool>, kWordCount> isRare;

    // How far a round score falls short of the best possible (0 when it reaches it).
    int behindBy(int roundScore) const { return total - roundScore; }
};

// What the window says when a round is submitted: both scores, who won and by how much,
// and the best round score the board allowed, or that it is unknown.
QString roundOutcome(int yourScore, int computerScore, std::optional<int> bestPossible);

// The round review: for each slot (in chain order) the letters the board held, its verdict
// and why, its points, the words that fitted best and the computer's word; then both scores and the best possible,
// where it is known.
// The board's typed letters carry the verdicts of the check that ended the round.
QString roundReview(const BoardState& board, const BoardBest& best);

// Slot `word`'s (0 .. kWordCount - 1) fixed letters at their positions, lower case, and
// kAnyLetter at each cell the player fills.
std::string slotPattern(const BoardState& board, int word);

// The `perSlot` best words of each slot and the best round score.
BoardBest bestOfBoard(const BoardState& board, const Lexicon& lexicon, size_t perSlot = 1);

// Adds to `best` what `common` words allow on `board` and which best words are rare. Without
// common words, or with a known best below their total, nothing is added.
void addCommonBest(BoardBest& best, const BoardState& board, const Lexicon& common);
