#include "scoring/round_submission.h"

#include "console/log_console.h"
#include "grid/grid.h"
#include "scoring/puzzle_check.h"
#include "stats/user_stats.h"

namespace {

constexpr int32_t kListedRows = 10;

} // namespace

void foldRoundIntoStats(int32_t computerScore)
{
    UserStats& stats = gCurrStats;
    stats.computerTotalScores += static_cast<int64_t>(computerScore);
    stats.totalScores += static_cast<int64_t>(gPuzzleStats.roundScore);
    stats.totalWordsMade += gPuzzleStats.wordsMade;
    stats.totalPuzzlesSubmitted += 1;

    const float puzzles = static_cast<float>(stats.totalPuzzlesSubmitted);
    const float words = static_cast<float>(stats.totalWordsMade);
    stats.averageScore = static_cast<float>(stats.totalScores) / puzzles;
    stats.averageValidWordsPerPuzzle = static_cast<float>(
        5.0 * (static_cast<double>(words) / (static_cast<double>(puzzles) * 5.0)));
    // Until the player's first valid word there is no average word score to speak of.
    stats.averageWordScore = stats.totalWordsMade == 0 ? 0.0f : static_cast<float>(stats.totalScores) / words;
    stats.computerAverage = static_cast<float>(stats.computerTotalScores) / puzzles;
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
