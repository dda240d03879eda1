#include "board/board_layout.h"

#include "cells/cell_look.h"
#include "cells/my_text_field.h"
#include "grid/grid.h"
#include "support/board_fixtures.h"
#include "support/globals.h"

#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QTest>

#include <string>
#include <vector>

namespace {

class BoardLayoutTest : public GameTest {
protected:
    QMainWindow* window() const { return m_delegate.window(); }

    void showWindow()
    {
        window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    }

    static void expectWordStart(int32_t x, int32_t y, int32_t direction)
    {
        EXPECT_EQ(gGrid[x][y].wordStart, 1) << x << "," << y;
        EXPECT_EQ(gGrid[x][y].wordLength, 6) << x << "," << y;
        EXPECT_EQ(gGrid[x][y].direction, direction) << x << "," << y;
    }

    BoardWindow m_delegate;
};

TEST_F(BoardLayoutTest, WorkedExampleIsLaidOutCellForCell)
{
    layOutBoard(workedExample(), window());
    const std::vector<std::string> letters {
        "garden..........",
        ".n..............",
        ".c..............",
        "chosen..........",
        ".o...o..........",
        ".r...r..........",
        ".....m..........",
        ".....a..........",
        "...silver.......",
    };
    const std::vector<std::string> kinds {
        "IFIIII..........",
        ".I..............",
        ".I..............",
        "IFIIIF..........",
        ".I...I..........",
        ".I...I..........",
        ".....I..........",
        ".....I..........",
        "...IIFIII.......",
    };
    EXPECT_EQ(solutionRows(), letters);
    EXPECT_EQ(cellKindRows(), kinds);
}

TEST_F(BoardLayoutTest, WorkedExampleHasItsWordStartsAndCrossings)
{
    layOutBoard(workedExample(), window());
    expectWordStart(0, 0, DirAcross);
    expectWordStart(1, 0, DirDown);
    expectWordStart(0, 3, DirAcross);
    expectWordStart(5, 3, DirDown);
    expectWordStart(3, 8, DirAcross);
    EXPECT_EQ(gGrid[1][3].direction, DirDown);
    EXPECT_EQ(gGrid[1][3].wordStart, 0);
    EXPECT_EQ(gGrid[5][8].direction, DirDown);
    EXPECT_EQ(gGrid[2][3].direction, DirAcross);
    EXPECT_EQ(gGrid[1][4].direction, DirDown);
}

TEST_F(BoardLayoutTest, FixedCellsShowTheirLetterInBlueCapitals)
{
    layOutBoard(workedExample(), nullptr);
    const struct { int32_t x, y; char letter; } crossings[] = {{1, 0, 'a'}, {1, 3, 'h'}, {5, 3, 'n'}, {5, 8, 'l'}};
    for (const auto& crossing : crossings) {
        const GridCell& cell = gGrid[crossing.x][crossing.y];
        EXPECT_EQ(cell.shownLetter, crossing.letter);
        EXPECT_EQ(cell.solutionLetter, crossing.letter);
        EXPECT_EQ(cell.field->text(), QString(QChar(crossing.letter).toUpper()));
        EXPECT_TRUE(cell.field->isReadOnly());
        EXPECT_EQ(textColor(cell.field.get()), kFixedTextColour);
    }
}

TEST_F(BoardLayoutTest, WordStartingWithAVowelSharesItsFirstCellWithWordOne)
{
    showWindow();
    layOutBoard(puzzleOf({"alpaca", "alpaca", "alpaca", "alpaca", "alpaca"}, 0, 0, 0), window());
    const GridCell& corner = gGrid[0][0];
    EXPECT_EQ(corner.editable, 0);
    expectWordStart(0, 0, DirBoth);
    expectWordStart(0, 3, DirAcross); // word 2 begins at its crossing with word 1
    expectWordStart(5, 8, DirAcross); // word 4 begins at its crossing with word 3
    EXPECT_EQ(QApplication::focusWidget(), corner.field.get());
}

TEST_F(BoardLayoutTest, CellsSitAtTheirPitchBelowTheTitleBarAllowance)
{
    showWindow();
    layOutBoard(workedExample(), window());
    EXPECT_EQ(fieldAt(0, 0)->geometry(), QRect(32, 36, 32, 32));
    EXPECT_EQ(fieldAt(5, 8)->geometry(), QRect(202, 308, 32, 32));
    EXPECT_EQ(fieldAt(0, 0)->parentWidget(), window()->centralWidget());
    EXPECT_TRUE(fieldAt(5, 8)->isVisible());
}

TEST_F(BoardLayoutTest, NewBoardReleasesTheFieldsOfTheOldOne)
{
    layOutBoard(workedExample(), window());
    QPointer<myTextField> old = fieldAt(3, 8);
    layOutBoard(puzzleOf({"alpaca", "alpaca", "alpaca", "alpaca", "alpaca"}, 0, 0, 0), window());
    EXPECT_TRUE(old.isNull());
    EXPECT_FALSE(gGrid[3][8].field);
    EXPECT_EQ(window()->centralWidget()->findChildren<myTextField*>().size(), 26);
}

} // namespace
