// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/board_layout.h"
#include "core/round/game_model.h"

#include "support/board_fixtures.h"
#include "support/globals.h"

#include <QTest>

namespace {

using BoardLayoutTest = GameTest;

// The worked example cell for cell; a first word starting with a vowel shares its cell, and a new board's cells lie over the old one's points.
TEST_F(BoardLayoutTest, BoardsAreLaidOutCellForCellWithTheirWordStartsAndReplaceTheOld)
{
    BoardWindow board;
    board.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(board.window()));
    layOutBoard(workedExample(), board.window());
    // Input cells as their lower-case solution letter, fixed cells as the text they show.
    const auto shown = [](const GridCell& cell) { return !cell.field ? '.' : cell.editable ? cell.solutionLetter : cell.field->text().toStdString()[0]; };
    EXPECT_EQ(boardRows(shown), (std::vector<std::string> {"gArden..........", ".n..............", ".c..............", "cHoseN..........",
                                 ".o...o..........", ".r...r..........", ".....m..........", ".....a..........", "...siLver......."}));
    // x, y, word start, direction: the five starts, then cells inside the words.
    const int32_t cells[][4] = {{0, 0, 1, DirAcross}, {1, 0, 1, DirDown}, {0, 3, 1, DirAcross}, {5, 3, 1, DirDown},
                                {3, 8, 1, DirAcross}, {1, 3, 0, DirDown}, {2, 3, 0, DirAcross}, {5, 8, 0, DirDown}};
    for (const auto& [x, y, start, direction] : cells)
        EXPECT_EQ(std::tuple(gGrid[x][y].wordStart, gGrid[x][y].wordLength, gGrid[x][y].direction),
                  std::tuple(start, start ? 6 : 0, direction)) << x << "," << y;
    for (const auto& [x, y] : {std::pair(1, 0), std::pair(1, 3), std::pair(5, 3), std::pair(5, 8)})
        EXPECT_EQ(std::tuple(fieldAt(x, y)->isReadOnly(), gGrid[x][y].shownLetter, textColor(fieldAt(x, y))),
                  std::tuple(true, gGrid[x][y].solutionLetter, kFixedTextColour)) << x << "," << y;
    EXPECT_EQ(std::tuple(textColor(fieldAt(0, 0)), fieldAt(0, 0)->palette().color(QPalette::Base), fieldAt(5, 8)->isVisible(), fieldAt(1, 0)->alignment()),
              std::tuple(kInputTextColour, kCellBackground, true, Qt::Alignment(Qt::AlignCenter)));
    // Only the cell that starts a word says so.
    EXPECT_EQ(std::tuple(fieldAt(1, 0)->accessibleName(), fieldAt(3, 8)->accessibleName(), fieldAt(4, 8)->accessibleName()),
              std::tuple(QString("Row 1, column 2, fixed letter A, down word 2, 6 letters"), QString("Row 9, column 4, across word 5, 6 letters"), QString("Row 9, column 5")));
    QFrame panel(board.window()->centralWidget()); // the board's frame: a word's points show within it, by its last cell
    panel.setObjectName("boardArea");
    panel.setGeometry(0, 0, 262, 400);
    gameModel().applyCheck({true, true, true, true, true}, {8, 0, 0, 0, 0}, 8);
    const QWidget* points = board.window()->findChild<QWidget*>("slotPoints0");
    const QString pointsShown = points->property("text").toString() + board.window()->findChild<QWidget*>("slotPoints1")->property("text").toString();
    EXPECT_EQ(std::pair(fieldAt(0, 0)->geometry(), fieldAt(5, 8)->geometry()), std::pair(QRect(32, 36, 32, 32), QRect(202, 308, 32, 32)));
    EXPECT_EQ(std::tuple(points->geometry(), points->font().pixelSize(), pointsShown), std::tuple(QRect(235, 44, 26, 14), 11, QString("+80")));

    layOutBoard(puzzleOf({"alpaca", "alpaca", "alpaca", "alpaca", "alpaca"}, 0, 0, 0), board.window());
    const QWidget* area = board.window()->centralWidget();
    EXPECT_TRUE(panel.accessibleDescription().contains("Fixed letters: A at row 1, column 1; ")) << panel.accessibleDescription().toStdString();
    EXPECT_GT(area->children().indexOf(points), area->children().indexOf(fieldAt(0, 0))) << "a new board's cells over the points";
    EXPECT_EQ(std::tuple(gGrid[0][0].editable, gGrid[0][0].wordStart, gGrid[0][0].direction, gGrid[0][3].wordStart, gGrid[5][8].wordStart, gGrid[5][8].direction),
              std::tuple(0, 1, DirBoth, 1, 1, DirAcross)) << "a shared start";
}

} // namespace
