// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/board_view/owned_field.h"
#include "core/board/board_geometry.h"

#include <cstdint>

inline constexpr int32_t gGridSize = kBoardSize;
inline constexpr int32_t gWordSize = kWordLength;
inline constexpr int32_t gNumWords = kWordCount;

// Which way the word(s) beginning in a cell run.
enum : int32_t {
    DirAcross = 1, // growing x
    DirDown = 2,   // growing y
    DirBoth = 3,   // an across and a down word both begin here
};

// One board position. All zero and no field: an empty position. A field and editable 1: an
// input cell. A field and editable 0: a fixed cell showing the crossing letter.
struct GridCell {
    char shownLetter = 0;
    char solutionLetter = 0;
    int32_t editable = 0;
    int32_t wordStart = 0;
    int32_t wordLength = 0;
    int32_t direction = 0;
    OwnedField field;
};

// The board, indexed gGrid[x][y]: x the column from the left, y the row from the top,
// both 0 .. gGridSize - 1. Written only when a board is laid out; empty before the first.
extern GridCell gGrid[gGridSize][gGridSize];

// Makes every position empty and releases every field the board still holds.
void clearBoard();
