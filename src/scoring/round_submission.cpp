// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/round_submission.h"

#include "console/log_console.h"
#include "grid/grid.h"
#include "scoring/puzzle_check.h"
#include "stats/stats_persistence.h"
#include "stats/user_stats.h"

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
