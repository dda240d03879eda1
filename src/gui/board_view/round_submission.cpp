// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/round_submission.h"

#include "core/platform/log_console.h"
#include "gui/board_view/grid.h"
#include "gui/board_view/puzzle_check.h"
#include "core/player/stats_persistence.h"
#include "core/player/user_stats.h"

namespace {

constexpr int32_t kListedRows = 10;

} // namespace

void foldRoundIntoStats(int32_t computerScore)
{
    submitRound({.score = gPuzzleStats.roundScore, .computerScore = computerScore, .wordsMade = gPuzzleStats.wordsMade, .puzzles = 1});
}

void displayComputerWords()
{
    myPrintf("Computer Words for Previous Puzzle: \n");
    for (int32_t y = 0; y < kListedRows; ++y) {
        myPrintf("  ");
        for (int32_t x = 0; x < gGridSize; ++x) {
            const char letter = gGrid[x][y].solutionLetter;
            if (letter != 0)
                myPrintf("%c", letter);
            else
                myPrintf(" ");
        }
        myPrintf("\n");
    }
}
