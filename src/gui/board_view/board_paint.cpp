// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/board_paint.h"

#include "core/round/game_model.h"
#include "gui/board_view/cell_look.h"
#include "gui/board_view/grid.h"

#include <QLineEdit>

namespace {

// The points of the word that ends at `cell`, once a check gave them.
std::optional<int> pointsEndingAt(BoardCell cell)
{
    const std::optional<BoardState>& board = gameModel().board();
    for (int i = 0; board && i < kWordCount; ++i) {
        if (board->words[i].place.cell(kWordLength - 1) == cell)
            return gameModel().pointsOf(i);
    }
    return std::nullopt;
}

} // namespace

void paintCell(BoardCell cell)
{
    const GridCell& grid = gGrid[cell.x][cell.y];
    QLineEdit* field = grid.field.get();
    if (!field)
        return;
    if (!grid.editable) {
        setCellColours(field, gBoardPalette.cell, gBoardPalette.fixedText);
        describeVerdict(field, Verdict::Unchecked, pointsEndingAt(cell));
        return;
    }
    const GameModel& model = gameModel();
    showVerdict(field, model.verdictAt(cell), gBoardPalette.cell);
    // An empty cell has no verdict of its own, yet a reader is told how its word fared.
    describeVerdict(field, model.letterAt(cell).isEmpty() ? model.wordVerdictAt(cell) : model.verdictAt(cell), pointsEndingAt(cell));
}

void paintBoard()
{
    for (int x = 0; x < gGridSize; ++x) {
        for (int y = 0; y < gGridSize; ++y)
            paintCell({x, y});
    }
}
