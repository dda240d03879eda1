#include "grid/grid.h"

#include "support/globals.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace {

class GridTest : public LayerTest<clearBoard> {
protected:
    static bool isEmptyPosition(const GridCell& cell)
    {
        return cell.shownLetter == 0 && cell.solutionLetter == 0 && cell.editable == 0
            && cell.wordStart == 0 && cell.wordLength == 0 && cell.direction == 0 && !cell.field;
    }

    static bool boardIsEmpty()
    {
        for (const auto& column : gGrid)
            for (const GridCell& cell : column)
                if (!isEmptyPosition(cell))
                    return false;
        return true;
    }
};

TEST_F(GridTest, ClearingEmptiesEveryPosition)
{
    GridCell& cell = gGrid[19][19];
    cell.shownLetter = 'A';
    cell.solutionLetter = 'a';
    cell.editable = 1;
    cell.wordStart = 1;
    cell.wordLength = 6;
    cell.direction = DirBoth;
    cell.field.reset(new QLineEdit);
    gGrid[0][7].direction = DirDown;
    clearBoard();
    EXPECT_TRUE(boardIsEmpty());
}

TEST_F(GridTest, ClearingReleasesAFieldOffTheWindow)
{
    QPointer<QLineEdit> field = new QLineEdit;
    gGrid[3][4].field.reset(field);
    clearBoard();
    EXPECT_TRUE(field.isNull());
}

TEST_F(GridTest, ClearingReleasesAFieldStillOnTheWindow)
{
    QWidget contentView;
    QPointer<QLineEdit> field = new QLineEdit(&contentView);
    gGrid[0][0].field.reset(field);
    clearBoard();
    EXPECT_TRUE(field.isNull());
    EXPECT_TRUE(contentView.children().isEmpty());
}

TEST_F(GridTest, FieldDeletedWithItsWindowIsNotReleasedAgain)
{
    auto contentView = std::make_unique<QWidget>();
    gGrid[5][8].field.reset(new QLineEdit(contentView.get()));
    contentView.reset();
    EXPECT_FALSE(gGrid[5][8].field);
    clearBoard();
    clearBoard();
    EXPECT_TRUE(boardIsEmpty());
}

TEST_F(GridTest, ReplacingAFieldReleasesTheOldOne)
{
    QPointer<QLineEdit> old = new QLineEdit;
    gGrid[1][1].field.reset(old);
    auto* replacement = new QLineEdit;
    gGrid[1][1].field.reset(replacement);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(gGrid[1][1].field.get(), replacement);
}

} // namespace
