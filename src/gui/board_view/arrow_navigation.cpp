// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/arrow_navigation.h"

#include "gui/board_view/my_text_field.h"
#include "gui/board_view/grid.h"

#include <cstdlib>
#include <limits>

myTextField* nearestInputCell(int32_t x, int32_t y, int32_t dx, int32_t dy)
{
    myTextField* nearest = nullptr;
    int32_t bestDistance = std::numeric_limits<int32_t>::max();
    for (int32_t cx = 0; cx < gGridSize; ++cx) {
        for (int32_t cy = 0; cy < gGridSize; ++cy) {
            const GridCell& cell = gGrid[cx][cy];
            const int32_t ahead = (cx - x) * dx + (cy - y) * dy;
            if (!cell.field || !cell.editable || ahead <= 0)
                continue;
            const int32_t aside = std::abs((cx - x) * dy) + std::abs((cy - y) * dx);
            const int32_t distance = ahead + 3 * aside;
            if (distance < bestDistance) {
                bestDistance = distance;
                nearest = qobject_cast<myTextField*>(cell.field.get());
            }
        }
    }
    return nearest;
}
