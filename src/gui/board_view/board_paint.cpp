// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/board_paint.h"

#include "core/round/game_model.h"
#include "gui/board_view/cell_look.h"
#include "gui/board_view/grid.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QStringList>

namespace {

// The points of the words that end at `cell`, once a check gave them, as a screen reader
// hears them: "8 for 1 across", and both where two words end in one cell.
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
            //: A word's points on its last cell: "8 for 1 across" (8 points for the word 1 across).
            said << QCoreApplication::translate("Board", "%1 for %2").arg(*points).arg(wordName(words, i));
    }
    return said.join(QStringLiteral("; "));
}

} // namespace

CellSpeech nameCell(BoardCell cell)
{
    const GridCell& grid = gGrid[cell.x][cell.y];
    QLineEdit* field = grid.field.get();
    const GameModel& model = gameModel();
    if (!field || !model.board())
        return {};
    const CellSpeech speech = cellSpeech(placementsOf(*model.board()), cell, !grid.editable, grid.editable && model.letterAt(cell).isEmpty());
    // Renaming the cell a reader is on makes it read the cell again, or worse; the name it
    // left is brought up to date as the focus leaves.
    if (!field->hasFocus() && field->accessibleName() != speech.name)
        field->setAccessibleName(speech.name);
    return speech;
}

void paintCell(BoardCell cell)
{
    const GridCell& grid = gGrid[cell.x][cell.y];
    QLineEdit* field = grid.field.get();
    if (!field)
        return;
    const QString where = nameCell(cell).description;
    if (!grid.editable) {
        setCellColours(field, gBoardPalette.cell, gBoardPalette.fixedText);
        describeVerdict(field, where, Verdict::Unchecked, pointsEndingAt(cell));
        return;
    }
    const GameModel& model = gameModel();
    showVerdict(field, model.verdictAt(cell), gBoardPalette.cell);
    // An empty cell has no verdict of its own, yet a reader is told how its word fared.
    describeVerdict(field, where, model.letterAt(cell).isEmpty() ? model.wordVerdictAt(cell) : model.verdictAt(cell), pointsEndingAt(cell));
}

void paintBoard()
{
    for (int x = 0; x < gGridSize; ++x) {
        for (int y = 0; y < gGridSize; ++y)
            paintCell({x, y});
    }
}
