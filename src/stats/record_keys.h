#pragma once

// The keys of the user-defaults store: the last player, and the eleven keys of a player
// record, which is stored under the player's name.
namespace RecordKey {
inline constexpr const char* LastUser = "LastUser";
inline constexpr const char* AverageScore = "averageScore";
inline constexpr const char* AverageValidWordsPerPuzzle = "averageValidWordsPerPuzzle";
inline constexpr const char* AverageWordScore = "averageWordScore";
inline constexpr const char* TotalPuzzlesSubmitted = "totalPuzzlesSubmitted";
inline constexpr const char* TotalWordsMade = "totalWordsMade";
inline constexpr const char* TotalScores = "totalScores";
inline constexpr const char* ComputerTotalScores = "computerTotalScores";
inline constexpr const char* ComputerAverage = "computerAverage";
inline constexpr const char* BestWordScore = "bestWordScore";
inline constexpr const char* BestRoundScore = "bestRoundScore";
inline constexpr const char* BestWord = "bestWord";
} // namespace RecordKey
