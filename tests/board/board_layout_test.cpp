#include "board/board_layout.h"

#include "app/app_delegate.h"
#include "cells/cell_look.h"
#include "cells/my_text_field.h"
#include "grid/grid.h"
#include "support/board_fixtures.h"
#include "support/globals.h"

#include <QApplication>
#include <QFontInfo>
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

    AppDelegate m_delegate;
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
    layOutBoard(workedExample(), window());
    const struct { int32_t x, y; char letter; } crossings[] = {{1, 0, 'a'}, {1, 3, 'h'}, {5, 3, 'n'}, {5, 8, 'l'}};
    for (const auto& crossing : crossings) {
        const GridCell& cell = gGrid[crossing.x][crossing.y];
        EXPECT_EQ(cell.shownLetter, crossing.letter);
        EXPECT_EQ(cell.solutionLetter, crossing.letter);
        EXPECT_EQ(cell.field->text(), QString(QChar(crossing.letter).toUpper()));
        EXPECT_TRUE(cell.field->isReadOnly());
        EXPECT_EQ(textColor(cell.field.get()), kFixedTextColour);
        EXPECT_EQ(backgroundColor(cell.field.get()), kCellBackground);
    }
}

TEST_F(BoardLayoutTest, InputCellsStartEmptyBlackAndEditable)
{
    layOutBoard(workedExample(), window());
    int inputCells = 0;
    for (const auto& column : gGrid) {
        for (const GridCell& cell : column) {
            if (!cell.field || !cell.editable)
                continue;
            ++inputCells;
            EXPECT_EQ(cell.shownLetter, 0);
            EXPECT_TRUE(cell.field->text().isEmpty());
            EXPECT_FALSE(cell.field->isReadOnly());
            EXPECT_EQ(textColor(cell.field.get()), kInputTextColour);
            EXPECT_EQ(backgroundColor(cell.field.get()), kCellBackground);
            EXPECT_EQ(cell.field->alignment(), Qt::AlignCenter);
            EXPECT_EQ(cell.field->font().family(), "Palatino");
            EXPECT_DOUBLE_EQ(cell.field->font().pointSizeF(), 20.0);
        }
    }
    EXPECT_EQ(inputCells, 22);
}

TEST_F(BoardLayoutTest, CellFontResolvesToPalatinosMetricTwin)
{
    layOutBoard(workedExample(), window());
    const QFontInfo resolved(fieldAt(0, 0)->font());
    EXPECT_TRUE(resolved.family().startsWith(QStringLiteral("P052"))) << resolved.family().toStdString();
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

TEST_F(BoardLayoutTest, FieldsJoinTheContentViewColumnByColumn)
{
    layOutBoard(workedExample(), window());
    std::vector<QObject*> expected;
    for (int32_t x = 0; x < gGridSize; ++x)
        for (int32_t y = 0; y < gGridSize; ++y)
            if (gGrid[x][y].field)
                expected.push_back(gGrid[x][y].field.get());
    std::vector<QObject*> added;
    for (QObject* child : window()->centralWidget()->children())
        if (qobject_cast<myTextField*>(child))
            added.push_back(child);
    EXPECT_EQ(added, expected);
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

TEST_F(BoardLayoutTest, WithoutAWindowTheModelIsBuiltAllTheSame)
{
    layOutBoard(workedExample(), nullptr);
    EXPECT_EQ(cellKindRows()[3], "IFIIIF..........");
    EXPECT_EQ(fieldAt(0, 0)->parentWidget(), nullptr);
}

} // namespace
