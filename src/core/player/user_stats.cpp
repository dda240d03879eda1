// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/player/user_stats.h"

#include "core/player/user_defaults_store.h"

#include <limits>

UserStats gCurrStats;
char gUserName[32];
std::unique_ptr<UserDefaultsStore> gPrefsDict;

namespace {

template <typename Number>
Number saturatingSum(Number a, Number b)
{
    Number sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<Number>::max() : std::numeric_limits<Number>::min();
}

} // namespace

void addRounds(RoundTotals& sum, const RoundTotals& more)
{
    sum.score = saturatingSum(sum.score, more.score);
    sum.computerScore = saturatingSum(sum.computerScore, more.computerScore);
    sum.wordsMade = saturatingSum(sum.wordsMade, more.wordsMade);
    sum.puzzles = saturatingSum(sum.puzzles, more.puzzles);
}

void addRounds(UserStats& stats, const RoundTotals& rounds)
{
    stats.computerTotalScores = saturatingSum(stats.computerTotalScores, rounds.computerScore);
    stats.totalScores = saturatingSum(stats.totalScores, rounds.score);
    stats.totalWordsMade = saturatingSum(stats.totalWordsMade, rounds.wordsMade);
    stats.totalPuzzlesSubmitted = saturatingSum(stats.totalPuzzlesSubmitted, rounds.puzzles);

    const float puzzles = static_cast<float>(stats.totalPuzzlesSubmitted);
    const float words = static_cast<float>(stats.totalWordsMade);
    stats.averageScore = static_cast<float>(stats.totalScores) / puzzles;
    stats.averageValidWordsPerPuzzle = static_cast<float>(
        5.0 * (static_cast<double>(words) / (static_cast<double>(puzzles) * 5.0)));
    // Until the player's first valid word there is no average word score to speak of.
    stats.averageWordScore = stats.totalWordsMade == 0 ? 0.0f : static_cast<float>(stats.totalScores) / words;
    stats.computerAverage = static_cast<float>(stats.computerTotalScores) / puzzles;
}
