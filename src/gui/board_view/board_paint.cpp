// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/board_paint.h"

#include "core/round/game_model.h"
#include "gui/board_view/cell_look.h"
#include "gui/board_view/grid.h"

#include <QLineEdit>
#include <QStringList>

namespace {

// The points of the words that end at `cell`, once a check gave them, as a screen reader
// hears them: "8 for across word 1", and both where two words end in one cell.
QString pointsEndingAt(BoardCell cell)
{
    const std::optional<BoardState>& board = gameModel().board();
    if (!board)
        return {};
    const ChainPlacements words = placementsOf(*board);
    QStringList said;
    for (int i = 0; i < kWordCount; ++i) {
        const std::optional<int> points = gameModel().pointsOf(i);
        if (points && words[i].cell(kWordLength - 1) == cell)
            said << QStringLiteral("%1 for %2").arg(*points).arg(wordName(words, i));
    }
    return said.join(QStringLiteral("; "));
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
