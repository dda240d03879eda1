// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/grid.h"

#include "support/layer_test.h"

#include <QPointer>

#include <memory>
#include <tuple>

using GridTest = LayerTest<clearBoard>;

TEST_F(GridTest, ClearingEmptiesEveryPositionAndEachFieldIsReleasedExactlyOnceWhereverItLives)
{
    auto window = std::make_unique<QWidget>();
    QPointer<QLineEdit> offWindow = new QLineEdit, onWindow = new QLineEdit(window.get());
    GridCell& cell = gGrid[19][19];
    std::tie(cell.shownLetter, cell.solutionLetter, cell.editable, cell.wordStart, cell.wordLength, cell.direction) =
        std::tuple('A', 'a', 1, 1, 6, int32_t {DirBoth});
    cell.field.reset(offWindow), gGrid[0][0].field.reset(onWindow), gGrid[5][8].field.reset(new QLineEdit(window.get()));
    clearBoard();
    EXPECT_TRUE(offWindow.isNull()) << "a field in no window is kept";
    EXPECT_TRUE(onWindow.isNull()) << "a field in a window is kept";
    EXPECT_TRUE(window->children().isEmpty());
    const GridCell empty; // as every position starts
    EXPECT_EQ(cell.shownLetter, empty.shownLetter);
    EXPECT_EQ(cell.solutionLetter, empty.solutionLetter);
    EXPECT_EQ(cell.editable, empty.editable);
    EXPECT_EQ(cell.wordStart, empty.wordStart);
    EXPECT_EQ(cell.wordLength, empty.wordLength);
    EXPECT_EQ(cell.direction, empty.direction);
    gGrid[5][8].field.reset(new QLineEdit(window.get()));
    window.reset(); // the window goes first: the board sees the field gone and deletes nothing twice
    EXPECT_FALSE(gGrid[5][8].field);
}
