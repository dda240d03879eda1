#include "cells/my_text_field.h"

#include "grid/grid.h"
#include "support/board_fixtures.h"
#include "support/globals.h"

#include <QLoggingCategory>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_trace;

void recordTrace(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    if (std::string(context.category) == "sixfold.cells")
        g_trace.push_back(message.toStdString());
}

// Hand-made boards: each cell is placed with its kind and direction, nothing else.
class FocusSearchTest : public CellsTest {
protected:
    void SetUp() override
    {
        CellsTest::SetUp();
        QLoggingCategory::setFilterRules(QStringLiteral("sixfold.cells.debug=true"));
        g_trace.clear();
        m_previousHandler = qInstallMessageHandler(recordTrace);
    }

    void TearDown() override
    {
        qInstallMessageHandler(m_previousHandler);
        QLoggingCategory::setFilterRules({});
        CellsTest::TearDown();
    }

    static myTextField* inputCell(int32_t x, int32_t y, int32_t direction)
    {
        GridCell& cell = gGrid[x][y];
        cell.field.reset(new myTextField);
        cell.editable = 1;
        cell.direction = direction;
        return qobject_cast<myTextField*>(cell.field.get());
    }

    static myTextField* fixedCell(int32_t x, int32_t y, int32_t direction)
    {
        myTextField* field = inputCell(x, y, direction);
        gGrid[x][y].editable = 0;
        return field;
    }

    QtMessageHandler m_previousHandler = nullptr;
};

using Trace = std::vector<std::string>;

TEST_F(FocusSearchTest, NextAcrossIsTheNeighbouringInputCell)
{
    inputCell(3, 5, DirAcross);
    myTextField* next = inputCell(4, 5, DirAcross);
    EXPECT_EQ(myTextField::findNextField(3, 5), next);
    EXPECT_EQ(g_trace, (Trace {"Finding next 3,5.", "It's horizontal."}));
}

TEST_F(FocusSearchTest, NextSkipsOneFixedCell)
{
    inputCell(3, 5, DirAcross);
    fixedCell(4, 5, DirDown);
    myTextField* next = inputCell(5, 5, DirAcross);
    EXPECT_EQ(myTextField::findNextField(3, 5), next);
}

TEST_F(FocusSearchTest, NextNeverSkipsTwoFixedCells)
{
    inputCell(3, 5, DirAcross);
    fixedCell(4, 5, DirDown);
    fixedCell(5, 5, DirDown);
    EXPECT_EQ(myTextField::findNextField(3, 5), nullptr);
    EXPECT_EQ(g_trace, (Trace {"Finding next 3,5.", "It's horizontal."}));
}

TEST_F(FocusSearchTest, NextFromTheLastCellOfAWordIsNil)
{
    inputCell(5, 0, DirAcross);
    EXPECT_EQ(myTextField::findNextField(5, 0), nullptr);
    EXPECT_EQ(g_trace, (Trace {"Finding next 5,0.", "It's horizontal.", "Next is nil."}));
}

TEST_F(FocusSearchTest, NextDownFollowsTheColumn)
{
    inputCell(2, 1, DirDown);
    inputCell(3, 1, DirAcross);
    myTextField* below = inputCell(2, 2, DirDown);
    EXPECT_EQ(myTextField::findNextField(2, 1), below);
    EXPECT_EQ(g_trace, (Trace {"Finding next 2,1.", "It's vertical."}));
}

TEST_F(FocusSearchTest, PreviousOntoAFixedFirstCellAtIndexOneIsNullWithoutNil)
{
    fixedCell(2, 0, DirDown);
    inputCell(2, 1, DirDown);
    EXPECT_EQ(myTextField::findPreviousField(2, 1), nullptr);
    EXPECT_EQ(g_trace, (Trace {"Finding previous 2,1.", "It's vertical."}));
}

TEST_F(FocusSearchTest, PreviousFromIndexZeroIsNil)
{
    inputCell(2, 0, DirDown);
    EXPECT_EQ(myTextField::findPreviousField(2, 0), nullptr);
    EXPECT_EQ(g_trace, (Trace {"Finding previous 2,0.", "It's vertical.", "Previous is nil."}));
}

TEST_F(FocusSearchTest, PreviousSkipsAFixedCellEvenOutOfTheWord)
{
    myTextField* before = inputCell(1, 3, DirDown);
    fixedCell(2, 3, DirDown);
    inputCell(3, 3, DirAcross);
    EXPECT_EQ(myTextField::findPreviousField(3, 3), before);
}

TEST_F(FocusSearchTest, PreviousAcrossIsTheNeighbouringInputCell)
{
    myTextField* before = inputCell(6, 8, DirAcross);
    inputCell(7, 8, DirAcross);
    EXPECT_EQ(myTextField::findPreviousField(7, 8), before);
    EXPECT_EQ(g_trace, (Trace {"Finding previous 7,8.", "It's horizontal."}));
}

TEST_F(FocusSearchTest, BothDirectionsHaveNeitherNextNorPrevious)
{
    fixedCell(0, 0, DirBoth);
    inputCell(1, 0, DirAcross);
    inputCell(0, 1, DirDown);
    EXPECT_EQ(myTextField::findNextField(0, 0), nullptr);
    EXPECT_EQ(myTextField::findPreviousField(0, 0), nullptr);
    EXPECT_EQ(g_trace, (Trace {"Finding next 0,0.", "Finding previous 0,0."}));
}

TEST_F(FocusSearchTest, EmptyPositionHasNoDirection)
{
    EXPECT_EQ(myTextField::findNextField(7, 7), nullptr);
    EXPECT_EQ(g_trace, (Trace {"Finding next 7,7."}));
}

TEST_F(FocusSearchTest, NextNeverReadsPastTheBoardsEdge)
{
    inputCell(19, 4, DirAcross);
    EXPECT_EQ(myTextField::findNextField(19, 4), nullptr);
    EXPECT_EQ(g_trace, (Trace {"Finding next 19,4.", "It's horizontal.", "Next is nil."}));

    g_trace.clear();
    inputCell(18, 6, DirAcross);
    fixedCell(19, 6, DirDown);
    EXPECT_EQ(myTextField::findNextField(18, 6), nullptr);
    EXPECT_EQ(g_trace, (Trace {"Finding next 18,6.", "It's horizontal."}));

    g_trace.clear();
    inputCell(4, 19, DirDown);
    EXPECT_EQ(myTextField::findNextField(4, 19), nullptr);
    EXPECT_EQ(g_trace, (Trace {"Finding next 4,19.", "It's vertical.", "Next is nil."}));

    inputCell(6, 18, DirDown);
    fixedCell(6, 19, DirAcross);
    EXPECT_EQ(myTextField::findNextField(6, 18), nullptr);
}

TEST_F(FocusSearchTest, TraceStaysOffTheConsoleAndOffByDefault)
{
    QLoggingCategory::setFilterRules({});
    inputCell(3, 5, DirAcross);
    testing::internal::CaptureStdout();
    myTextField::findNextField(3, 5);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(g_trace.empty());
}

} // namespace
