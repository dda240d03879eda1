// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_geometry.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the board's cells stand on screen, in one widget's coordinates.
struct CellGrid {
    QPoint origin; // the top left of the cell at (0, 0)
    int pitch = 0; // from one cell to the next
    int size = 0;  // a cell's side

    QRect cellRect(BoardCell cell) const;
};

// Where each word's points are drawn (in chain order): just after its last cell, right of an
// across word and below a down one, or, where that would cover a cell or leave `area`, on
// another side of the last cell. Each rect lies inside `area` and clear of every cell and of
// the other words' rects; empty where no side of the last cell has room.
std::array<QRect, kWordCount> pointsRects(const ChainPlacements& words, const CellGrid& grid, QSize label, const QRect& area);
