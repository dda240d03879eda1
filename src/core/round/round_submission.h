// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_state.h"

#include <QString>

#include <cstdint>

// Adds the round just checked (gPuzzleStats) and the computer's score for it to the
// player's totals, as stored now, and recomputes the four averages from the totals.
void foldRoundIntoStats(int32_t computerScore);

// Writes the top ten rows of the game model's board with the computer's letters, as a
// picture twenty characters wide after a two-space indent, under a header line.
void displayComputerWords();

// The computer's words of `board` as a listener hears them, in the board's word order:
// "The computer's words: 1 across, planet; 2 down, garden; …". The console's
// picture of them reads as nonsense letter by letter.
QString computerWordsSentence(const BoardState& board);
