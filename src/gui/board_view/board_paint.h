// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_state.h"

// Paints every cell of gGrid as the game model has it, in gBoardPalette: the background, a
// fixed letter's colour, a typed letter's verdict by colour and line, and what a screen reader
// hears of the cell: its name, where it is, the verdict on its word and, on a word's last
// cell, the word's points.
// The one way the board shows the round: after a check, a board shown again and new colours.
void paintBoard();

// The same for the cell at `cell` alone: after the player changes its letter.
void paintCell(BoardCell cell);

// Names the cell for a screen reader as the board now has it (core's cellSpeech), unless it
// has the focus; returns what it would say. Nothing without a board.
CellSpeech nameCell(BoardCell cell);
