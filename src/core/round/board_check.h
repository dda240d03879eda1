// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_state.h"

#include <array>
#include <cstdint>

class GameModel;

// The counters of the latest check of the board.
struct PuzzleStats {
    int32_t wordsMade = 0;
    int32_t wordScores[5] = {}; // the valid words' scores in the order found; 0 beyond wordsMade
    int32_t roundScore = 0;
};

// Cleared and refilled by every check; read by the round submission right after one.
extern PuzzleStats gPuzzleStats;

// What one check judged: the board as it stood, its typed letters bearing the verdicts just
// given and the round score as the player's, and each word's verdict and points, in chain order.
struct CheckedBoard {
    BoardState board;
    std::array<bool, kWordCount> isWord {};
    std::array<int, kWordCount> points {}; // 0 unless isWord

    int roundScore() const { return board.playerScore; }
    int wordsMade() const;
};

// Judges the model's board word by word in checking order and reports each word on the
// console: a word only when its six cells hold six ASCII characters that the dictionary takes
// as one whole word ("E-MAIL"). Refills gPuzzleStats, raises the player's best word and best
// round score with their messages, and gives the model its verdicts, points and score.
// Without a board nothing is judged and the counters are left empty.
CheckedBoard checkBoard(GameModel& model);

// Raises the player's best round score, with its message, when `roundTotal` beats it.
void recordRoundScore(int32_t roundTotal);
