// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

class UserDefaultsStore;

// The statistics of one player.
struct UserStats {
    char userName[32] = {}; // UTF-8, at most 31 bytes and the NUL
    float averageScore = 0; // totalScores / totalPuzzlesSubmitted
    float averageValidWordsPerPuzzle = 0;
    float averageWordScore = 0; // totalScores / totalWordsMade; stored as a whole number
    float computerAverage = 0;  // computerTotalScores / totalPuzzlesSubmitted
    int64_t computerTotalScores = 0;
    int32_t totalWordsMade = 0;
    int32_t totalPuzzlesSubmitted = 0;
    int64_t totalScores = 0;
    char bestWord[8] = {}; // at most 7 bytes and the NUL
    int32_t bestWordScore = 0;
    int32_t bestRoundScore = 0;
};

// What submitted rounds add to a player's totals.
struct RoundTotals {
    int64_t score = 0;
    int64_t computerScore = 0;
    int32_t wordsMade = 0;
    int32_t puzzles = 0;
};

// Adds `rounds` to the totals, each held at its type's limits rather than overflowing, and
// recomputes the four averages from the totals.
void addRounds(UserStats& stats, const RoundTotals& rounds);

// Adds `more` to `sum`, held at the limits as above.
void addRounds(RoundTotals& sum, const RoundTotals& more);

// The current player's statistics: loaded at launch and at a change of player, changed by
// every check and submission, saved at every refresh of the statistics panel.
extern UserStats gCurrStats;

// The current player's name, UTF-8, at most 31 bytes and the NUL; set at launch and at a
// change of player.
extern char gUserName[32];

// The user-defaults store, opened by loadPrefs at launch and kept for the rest of the run.
extern std::unique_ptr<UserDefaultsStore> gPrefsDict;
