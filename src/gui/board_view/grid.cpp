// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/grid.h"

GridCell gGrid[gGridSize][gGridSize];

void clearBoard()
{
    for (auto& column : gGrid) {
        for (GridCell& cell : column) {
            cell.shownLetter = 0;
            cell.solutionLetter = 0;
            cell.editable = 0;
            cell.wordStart = 0;
            cell.wordLength = 0;
            cell.direction = 0;
            cell.field.reset();
        }
    }
}
