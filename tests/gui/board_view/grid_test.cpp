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
    EXPECT_EQ(std::tuple(offWindow.isNull(), onWindow.isNull(), window->children().isEmpty()), std::tuple(true, true, true));
    const GridCell empty; // as every position starts
    EXPECT_EQ(std::tie(cell.shownLetter, cell.solutionLetter, cell.editable, cell.wordStart, cell.wordLength, cell.direction),
              std::tie(empty.shownLetter, empty.solutionLetter, empty.editable, empty.wordStart, empty.wordLength, empty.direction));
    gGrid[5][8].field.reset(new QLineEdit(window.get()));
    window.reset(); // the window goes first: the board sees the field gone and deletes nothing twice
    EXPECT_FALSE(gGrid[5][8].field);
}
