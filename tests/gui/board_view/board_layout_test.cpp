// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/board_layout.h"
#include "core/round/game_model.h"

#include "support/board_fixtures.h"
#include "support/globals.h"

#include <QRegularExpression>
#include <QTest>

namespace {

using BoardLayoutTest = GameTest;

// The worked example cell for cell; a first word starting with a vowel shares its cell, and a new board's cells lie on the board's panel, where they would lie without it.
TEST_F(BoardLayoutTest, BoardsAreLaidOutCellForCellWithTheirWordStartsAndReplaceTheOld)
{
    BoardWindow board;
    board.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(board.window()));
    layOutBoard(workedExample(), board.window());
    // Input cells as their lower-case solution letter, fixed cells as the text they show.
    const auto shown = [](const GridCell& cell) { return !cell.field ? '.' : cell.editable ? cell.solutionLetter : cell.field->text().toStdString()[0]; };
    std::vector<std::string> rows(9, std::string(16, '.')); // rows 0..8 over columns 0..15
    for (int32_t i = 0; i < 9 * 16; ++i)
        rows[i / 16][i % 16] = shown(gGrid[i % 16][i / 16]);
    EXPECT_EQ(rows, (std::vector<std::string> {"gArden..........", ".n..............", ".c..............", "cHoseN..........",
                                 ".o...o..........", ".r...r..........", ".....m..........", ".....a..........", "...siLver......."}));
    // x, y, word start, direction: the five starts, then cells inside the words.
    const int32_t cells[][4] = {{0, 0, 1, DirAcross}, {1, 0, 1, DirDown}, {0, 3, 1, DirAcross}, {5, 3, 1, DirDown},
                                {3, 8, 1, DirAcross}, {1, 3, 0, DirDown}, {2, 3, 0, DirAcross}, {5, 8, 0, DirDown}};
    for (const auto& [x, y, start, direction] : cells) {
        EXPECT_EQ(gGrid[x][y].wordStart, start) << x << "," << y;
        EXPECT_EQ(gGrid[x][y].wordLength, start ? 6 : 0) << x << "," << y;
        EXPECT_EQ(gGrid[x][y].direction, direction) << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair(1, 0), std::pair(1, 3), std::pair(5, 3), std::pair(5, 8)}) {
        EXPECT_TRUE(fieldAt(x, y)->isReadOnly()) << "the crossing at " << x << "," << y;
        EXPECT_EQ(gGrid[x][y].shownLetter, gGrid[x][y].solutionLetter) << "the crossing at " << x << "," << y;
        EXPECT_EQ(textColor(fieldAt(x, y)), kFixedTextColour) << "the crossing at " << x << "," << y;
    }
    EXPECT_EQ(textColor(fieldAt(0, 0)), kInputTextColour);
    EXPECT_EQ(fieldAt(0, 0)->palette().color(QPalette::Base), kCellBackground);
    // Named for a screen reader as core/board's cellSpeech says.
    for (const auto& [x, y, name] : {std::tuple(1, 0, "given, 2 down, 6 letters"), {3, 8, "blank, 5 across, 6 letters"}, {4, 8, "blank"}})
        EXPECT_EQ(fieldAt(x, y)->accessibleName(), name);
    QFrame panel(board.window()->centralWidget()); // the board's frame: a word's points show within it, by its last cell
    panel.setObjectName("boardArea");
    panel.setGeometry(10, 20, 290, 380);
    gameModel().applyCheck({true, true, true, true, true}, {8, 0, 0, 0, 0}, 8);
    const QWidget* points = board.window()->findChild<QWidget*>("slotPoints0");
    const auto pointsShown = [&](int word) { // what a word's label shows, where it shows at all
        const QWidget* label = board.window()->findChild<QWidget*>(QString("slotPoints%1").arg(word));
        return label->isVisible() ? label->property("text").toString() : QString("hidden");
    };
    EXPECT_EQ(fieldAt(0, 0)->geometry(), QRect(32, 36, 32, 32));
    EXPECT_EQ(fieldAt(5, 8)->geometry(), QRect(202, 308, 32, 32));
    EXPECT_EQ(points->geometry().topLeft(), QPoint(235, 44));
    EXPECT_LE(points->fontMetrics().horizontalAdvance("5: +88"), points->width()) << "the widest points fit";
    EXPECT_EQ(pointsShown(0) + " " + pointsShown(1), "1: +8 2: 0");

    // Words 1 and 2 start in one cell, and words 4 and 5 end in one.
    layOutBoard(puzzleOf({"alpaca", "alpaca", "alpaca", "alpaca", "alpaca"}, 0, 0, 5), board.window());
    const QWidget* area = board.window()->centralWidget();
    EXPECT_EQ(panel.accessibleName(), "Puzzle board. " + panel.accessibleDescription());
    EXPECT_TRUE(panel.accessibleDescription().contains(QRegularExpression("^5 words of 6 letters: 1 across from row 1, column 1; 2 down from row 1, column 1; .*\\. Given letters: A at row 1, column 1; ")));
    EXPECT_TRUE(fieldAt(0, 0)->parentWidget() == &panel && fieldAt(0, 0)->mapTo(area, QPoint()) == QPoint(32, 36))
        << "the cells within the board the summary describes, where they were";
    EXPECT_EQ(gGrid[0][0].direction, DirBoth) << "a shared first cell"; // typed and walked in board_typing_test
    for (const auto& [x, y, numbers] : {std::tuple(0, 0, "1/2"), {0, 3, "3"}, {5, 3, "4"}, {0, 8, "5"}, {1, 0, ""}, {5, 8, ""}})
        EXPECT_EQ(fieldAt(x, y)->wordNumbers(), numbers) << x << "," << y;
    gameModel().applyCheck({true, true, true, true, true}, {0, 0, 0, 12, 11}, 23);
    EXPECT_EQ(pointsShown(3) + " " + pointsShown(4), "4: +12 5: +11");
    EXPECT_EQ(fieldAt(5, 8)->accessibleDescription(), "Row 9, column 6, in 4 down and 5 across. Points: 12 for 4 down; 11 for 5 across.");
}

} // namespace
