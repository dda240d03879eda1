#pragma once

#include <cstdint>

// The counters of the latest check of the board.
struct PuzzleStats {
    int32_t wordsMade = 0;
    int32_t wordScores[5] = {}; // the valid words' scores in the order found; 0 beyond wordsMade
    int32_t roundScore = 0;
};

// Cleared and refilled by every check; read by the round submission right after one.
extern PuzzleStats gPuzzleStats;

// Reads back every word slot of the board (start cells column by column; at a shared start
// the down word first), judges each with the dictionary and by its length, reports it on
// the console, colours its typed letters green or red and scores the valid ones. Raises the
// player's best word. Returns the round total.
int32_t checkBoardWords();

// Raises the player's best round score, with its message, when `roundTotal` beats it.
void recordRoundScore(int32_t roundTotal);
