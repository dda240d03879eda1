// SPDX-License-Identifier: GPL-3.0-or-later
// Where the focus goes from a cell: one step along the cell's own direction, or two when
// the first step is a fixed cell. It never turns onto a crossing word and never reads
// outside the board.
#include "gui/board_view/my_text_field.h"

#include "gui/board_view/cells_log.h"
#include "gui/board_view/grid.h"

namespace {

struct Step {
    int32_t x;
    int32_t y;
};

bool isOnBoard(Step step)
{
    return step.x >= 0 && step.x < gGridSize && step.y >= 0 && step.y < gGridSize;
}

const GridCell* cellAt(Step step)
{
    return isOnBoard(step) ? &gGrid[step.x][step.y] : nullptr;
}

bool hasField(Step step)
{
    const GridCell* cell = cellAt(step);
    return cell && cell->field;
}

bool isInputCell(Step step)
{
    const GridCell* cell = cellAt(step);
    return cell && cell->field && cell->editable;
}

myTextField* fieldAt(Step step)
{
    return qobject_cast<myTextField*>(gGrid[step.x][step.y].field.get());
}

int32_t directionAt(int32_t x, int32_t y)
{
    return isOnBoard({x, y}) ? gGrid[x][y].direction : 0;
}

// `delta` is +1 to search forward, -1 backward. A step off the board counts as a cell
// without a field, which is also what stops a backward search at index 0 or 1.
myTextField* searchAlongWord(int32_t x, int32_t y, int32_t direction, int32_t delta, const char* nothingThereLine)
{
    Step first {};
    Step second {};
    if (direction == DirAcross) {
        qCDebug(lcCells, "It's horizontal.");
        first = {x + delta, y};
        second = {x + 2 * delta, y};
    } else if (direction == DirDown) {
        qCDebug(lcCells, "It's vertical.");
        first = {x, y + delta};
        second = {x, y + 2 * delta};
    } else {
        return nullptr;
    }
    if (!hasField(first)) {
        qCDebug(lcCells, "%s", nothingThereLine);
        return nullptr;
    }
    if (isInputCell(first))
        return fieldAt(first);
    return isInputCell(second) ? fieldAt(second) : nullptr;
}

} // namespace

myTextField* myTextField::findNextField(int32_t x, int32_t y)
{
    qCDebug(lcCells, "Finding next %d,%d.", x, y);
    return searchAlongWord(x, y, directionAt(x, y), +1, "Next is nil.");
}

myTextField* myTextField::findPreviousField(int32_t x, int32_t y)
{
    qCDebug(lcCells, "Finding previous %d,%d.", x, y);
    return searchAlongWord(x, y, directionAt(x, y), -1, "Previous is nil.");
}

// The shared first cell of two words has no next cell of its own, yet it holds the focus
// when a round begins there: keys pressed in it lead into the across word, the first one.
myTextField* myTextField::findFieldAfter(int32_t x, int32_t y)
{
    if (directionAt(x, y) != DirBoth)
        return findNextField(x, y);
    qCDebug(lcCells, "Finding next %d,%d.", x, y);
    return searchAlongWord(x, y, DirAcross, +1, "Next is nil.");
}
