#include "cells/my_text_field.h"

#include "board/board_layout.h"
#include "cells/cell_look.h"
#include "support/board_fixtures.h"
#include "support/globals.h"
#include "window/window_handle.h"

#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QTest>

namespace {

// Keys sent to no widget in particular go where the keyboard focus is, as a real
// keyboard's do.
QWidget* const viaFocus = nullptr;

// The worked example on the real window: garden across row 0 with a fixed A at (1, 0),
// anchor down column 1, chosen across row 3, normal down column 5, silver across row 8.
class CellTypingTest : public CellsTest {
protected:
    void SetUp() override
    {
        CellsTest::SetUp();
        m_delegate.window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_delegate.window()));
        gWindow = m_delegate.window();
        layOutBoard(workedExample(), m_delegate.window());
        ASSERT_EQ(QApplication::focusWidget(), fieldAt(0, 0));
    }

    // Gives the focus to the cell and lets its deferred select-all run.
    static void focusOn(int32_t x, int32_t y)
    {
        if (focused() == fieldAt(x, y))
            fieldAt(x, y)->clearFocus();
        fieldAt(x, y)->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return fieldAt(x, y)->selectedText() == fieldAt(x, y)->text(); }));
    }

    static QWidget* focused() { return QApplication::focusWidget(); }

    BoardWindow m_delegate;
};

TEST_F(CellTypingTest, TypedLetterIsUpperCasedAndTheFocusMovesOnPastTheFixedCell)
{
    QTest::keyClick(viaFocus, Qt::Key_Q);
    EXPECT_EQ(fieldAt(0, 0)->text(), "Q");
    EXPECT_EQ(focused(), fieldAt(2, 0));
}

TEST_F(CellTypingTest, TypingFlowsAlongTheWordAndStopsAtItsEnd)
{
    QTest::keyClicks(viaFocus, "grdenx");
    EXPECT_EQ(fieldAt(0, 0)->text(), "G");
    EXPECT_EQ(fieldAt(2, 0)->text(), "R");
    EXPECT_EQ(fieldAt(3, 0)->text(), "D");
    EXPECT_EQ(fieldAt(4, 0)->text(), "E");
    EXPECT_EQ(fieldAt(5, 0)->text(), "X");
    EXPECT_EQ(focused(), fieldAt(5, 0));
}

TEST_F(CellTypingTest, TypingDownAWordNeverTurnsTheCorner)
{
    focusOn(1, 1);
    QTest::keyClicks(viaFocus, "nc");
    EXPECT_EQ(focused(), fieldAt(1, 4)); // past the fixed H at (1, 3)
    QTest::keyClicks(viaFocus, "orz");
    EXPECT_EQ(fieldAt(1, 5)->text(), "Z");
    EXPECT_EQ(focused(), fieldAt(1, 5));
}

TEST_F(CellTypingTest, PasteKeepsOnlyTheLastCharacter)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(viaFocus, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(fieldAt(0, 0)->text(), "C");
    EXPECT_EQ(focused(), fieldAt(2, 0));
}

TEST_F(CellTypingTest, DigitsAndPunctuationStayAsTyped)
{
    QTest::keyClicks(viaFocus, "7?");
    EXPECT_EQ(fieldAt(0, 0)->text(), "7");
    EXPECT_EQ(fieldAt(2, 0)->text(), "?");
    EXPECT_EQ(focused(), fieldAt(3, 0));
}

TEST_F(CellTypingTest, LetterOutsideAsciiStaysWholeAndUpperCased)
{
    QTest::sendKeyEvent(QTest::Click, viaFocus, Qt::Key_Eacute, QString::fromUtf8("é"), Qt::NoModifier);
    EXPECT_EQ(fieldAt(0, 0)->text(), QString::fromUtf8("É"));
    fieldAt(2, 0)->setText(QStringLiteral("X"));
    focusOn(2, 0);
    const QString boldA = QString::fromUtf8("\xf0\x9d\x90\x9a"); // MATHEMATICAL BOLD SMALL A, two UTF-16 units
    QTest::sendKeyEvent(QTest::Click, viaFocus, Qt::Key_unknown, boldA, Qt::NoModifier);
    EXPECT_EQ(fieldAt(2, 0)->text(), boldA);
    EXPECT_EQ(focused(), fieldAt(3, 0));
}

TEST_F(CellTypingTest, BackspaceEmptiesTheCellAndStepsBack)
{
    QTest::keyClicks(viaFocus, "gr");
    ASSERT_EQ(focused(), fieldAt(3, 0));
    focusOn(2, 0);
    QTest::keyClick(viaFocus, Qt::Key_Backspace);
    EXPECT_EQ(fieldAt(2, 0)->text(), "");
    EXPECT_EQ(focused(), fieldAt(0, 0)); // back past the fixed A
}

TEST_F(CellTypingTest, BackspaceInAnEmptyCellDoesNothing)
{
    focusOn(3, 0);
    QTest::keyClick(viaFocus, Qt::Key_Backspace);
    EXPECT_EQ(focused(), fieldAt(3, 0));
}

TEST_F(CellTypingTest, BackspaceAtTheStartOfAWordStaysPut)
{
    fieldAt(0, 0)->setText(QStringLiteral("G"));
    focusOn(0, 0);
    QTest::keyClick(viaFocus, Qt::Key_Backspace);
    EXPECT_EQ(fieldAt(0, 0)->text(), "");
    EXPECT_EQ(focused(), fieldAt(0, 0));
}

TEST_F(CellTypingTest, TabMovesOnOnceWhenReleased)
{
    focusOn(2, 0);
    QTest::keyPress(viaFocus, Qt::Key_Tab);
    EXPECT_EQ(focused(), fieldAt(2, 0));
    QTest::keyRelease(viaFocus, Qt::Key_Tab);
    EXPECT_EQ(focused(), fieldAt(3, 0));
    QTest::keyClick(viaFocus, Qt::Key_Tab);
    EXPECT_EQ(focused(), fieldAt(4, 0));
}

TEST_F(CellTypingTest, TabInTheLastCellOfAWordStaysPut)
{
    focusOn(5, 0);
    QTest::keyClick(viaFocus, Qt::Key_Tab);
    EXPECT_EQ(focused(), fieldAt(5, 0));
}

TEST_F(CellTypingTest, ShiftTabKeepsTheToolkitsMoveAndNothingMore)
{
    focusOn(3, 0);
    QTest::keyPress(viaFocus, Qt::Key_Backtab, Qt::ShiftModifier);
    QWidget* afterPress = focused();
    EXPECT_NE(afterPress, fieldAt(3, 0));
    QTest::keyRelease(viaFocus, Qt::Key_Tab); // Shift let go first
    EXPECT_EQ(focused(), afterPress);
}

TEST_F(CellTypingTest, ArrivingInACellSelectsItsLetter)
{
    fieldAt(2, 0)->setText(QStringLiteral("R"));
    QTest::keyClick(viaFocus, Qt::Key_G);
    ASSERT_EQ(focused(), fieldAt(2, 0));
    EXPECT_TRUE(QTest::qWaitFor([] { return fieldAt(2, 0)->selectedText() == QStringLiteral("R"); }));
    QTest::keyClick(viaFocus, Qt::Key_A);
    EXPECT_EQ(fieldAt(2, 0)->text(), "A");
}

TEST_F(CellTypingTest, EditingTurnsOnlyThatCellBlack)
{
    for (int32_t x : {2, 3})
        setTextColor(fieldAt(x, 0), kValidWordColour);
    focusOn(2, 0);
    QTest::keyClick(viaFocus, Qt::Key_E);
    EXPECT_EQ(textColor(fieldAt(2, 0)), kInputTextColour);
    EXPECT_EQ(textColor(fieldAt(3, 0)), kValidWordColour);
}

TEST_F(CellTypingTest, FieldOffTheBoardIsNormalisedButMovesNothing)
{
    myTextField stray(m_delegate.window()->centralWidget());
    stray.show();
    stray.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return focused() == &stray; }));
    QTest::keyClick(viaFocus, Qt::Key_W);
    EXPECT_EQ(stray.text(), "W");
    EXPECT_EQ(focused(), &stray);
}

TEST_F(CellTypingTest, WithoutTheWindowHandleTheFocusStays)
{
    gWindow = nullptr;
    QTest::keyClick(viaFocus, Qt::Key_Q);
    EXPECT_EQ(fieldAt(0, 0)->text(), "Q");
    EXPECT_EQ(focused(), fieldAt(0, 0));
}

} // namespace
