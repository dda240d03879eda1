#include "app/app_delegate.h"

#include "board/board_layout.h"
#include "cells/my_text_field.h"
#include "console/log_console.h"
#include "stats/user_stats.h"
#include "support/board_fixtures.h"
#include "support/globals.h"
#include "window/window_handle.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

namespace {

QWidget* const viaFocus = nullptr;

class KeyboardTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        m_delegate.window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_delegate.window()));
        testing::internal::CaptureStdout();
        m_delegate.applicationDidFinishLaunching(nullptr);
        testing::internal::GetCapturedStdout();
        layOutBoard(workedExample(), m_delegate.window());
    }

    QAction* action(const char* name) const
    {
        return m_delegate.window()->findChild<QAction*>(QString::fromLatin1(name));
    }

    static QWidget* focused() { return QApplication::focusWidget(); }

    AppDelegate m_delegate;
};

TEST_F(KeyboardTest, ReturnInTheWordFieldChecksTheWord)
{
    m_delegate.theWord->setFocus();
    testing::internal::CaptureStdout();
    QTest::keyClicks(viaFocus, "garden");
    QTest::keyClick(viaFocus, Qt::Key_Return);
    const std::string written = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(written.ends_with("'garden' is a word\n")) << written;
    EXPECT_TRUE(m_delegate.theWord->text().isEmpty());
}

TEST_F(KeyboardTest, ReturnInTheNameFieldChangesThePlayer)
{
    m_delegate.newUserName->setFocus();
    testing::internal::CaptureStdout();
    QTest::keyClicks(viaFocus, "ada");
    QTest::keyClick(viaFocus, Qt::Key_Return);
    EXPECT_TRUE(testing::internal::GetCapturedStdout().ends_with("User changed to 'ada'\n"));
    EXPECT_STREQ(gUserName, "ada");
}

TEST_F(KeyboardTest, GameMenuActionsHaveTheirShortcuts)
{
    EXPECT_EQ(action("actionNewPuzzle")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(action("actionCheckAllWords")->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
    EXPECT_EQ(action("actionSubmit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Return")));
    EXPECT_EQ(action("actionQuit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
}

TEST_F(KeyboardTest, CheckShortcutChecksTheBoard)
{
    QTest::keyClicks(viaFocus, "grden");
    testing::internal::CaptureStdout();
    QTest::keyClick(viaFocus, Qt::Key_K, Qt::ControlModifier);
    const std::string written = testing::internal::GetCapturedStdout();
    EXPECT_EQ(written.rfind("'GARDEN' is a word.\n", 0), 0u) << written;
    EXPECT_EQ(m_delegate.theScore->text(), "8");
}

TEST_F(KeyboardTest, SubmitShortcutEndsTheRound)
{
    testing::internal::CaptureStdout();
    QTest::keyClick(viaFocus, Qt::Key_Return, Qt::ControlModifier);
    const std::string written = testing::internal::GetCapturedStdout();
    EXPECT_NE(written.find("Computer Words for Previous Puzzle: \n"), std::string::npos);
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 1);
}

TEST_F(KeyboardTest, NewPuzzleShortcutDealsANewBoard)
{
    QPointer<myTextField> old = fieldAt(0, 0);
    QTest::keyClick(viaFocus, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(focused(), fieldAt(0, 0));
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 0);
}

TEST_F(KeyboardTest, HelpMenuShowsHowToPlayAndAbout)
{
    action("actionAbout")->trigger();
    auto* about = m_delegate.window()->findChild<QMessageBox*>(QStringLiteral("aboutBox"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->text().contains("WordNet"));
    EXPECT_TRUE(about->text().contains("SCOWL"));
    about->close();
    action("actionHowToPlay")->trigger();
    auto* help = m_delegate.window()->findChild<QMessageBox*>(QStringLiteral("howToPlayBox"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->text().contains("arrow keys"));
    help->close();
}

TEST_F(KeyboardTest, ArrowKeysJumpToTheNearestInputCellThatWay)
{
    QTest::keyClick(viaFocus, Qt::Key_Right);
    EXPECT_EQ(focused(), fieldAt(2, 0)); // over the fixed A
    QTest::keyClick(viaFocus, Qt::Key_Down);
    EXPECT_EQ(focused(), fieldAt(2, 3)); // straight down, across the gap
    QTest::keyClick(viaFocus, Qt::Key_Left);
    EXPECT_EQ(focused(), fieldAt(0, 3));
    QTest::keyClick(viaFocus, Qt::Key_Left);
    EXPECT_EQ(focused(), fieldAt(0, 3)); // nothing further left
    QTest::keyClick(viaFocus, Qt::Key_Up);
    EXPECT_EQ(focused(), fieldAt(0, 0));
}

TEST_F(KeyboardTest, ArrowKeysLeaveTheLettersAlone)
{
    QTest::keyClick(viaFocus, Qt::Key_G);
    QTest::keyClick(viaFocus, Qt::Key_Left);
    EXPECT_EQ(focused(), fieldAt(0, 0));
    EXPECT_EQ(fieldAt(0, 0)->text(), "G");
}

TEST_F(KeyboardTest, EveryControlAndCellHasAnAccessibleName)
{
    for (QWidget* control : m_delegate.window()->centralWidget()->findChildren<QWidget*>()) {
        const bool interactive = qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractButton*>(control)
            || qobject_cast<QPlainTextEdit*>(control);
        if (!interactive)
            continue;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
    }
    EXPECT_EQ(fieldAt(1, 0)->accessibleName(), "Row 1, column 2, fixed letter A");
    EXPECT_EQ(fieldAt(3, 8)->accessibleName(), "Row 9, column 4");
}

TEST_F(KeyboardTest, FocusedCellIsMarked)
{
    myTextField* cell = fieldAt(0, 0);
    ASSERT_EQ(focused(), cell);
    const QColor ring = cell->palette().color(QPalette::Highlight);
    EXPECT_EQ(cell->grab().toImage().pixelColor(1, cell->height() / 2), ring);
    fieldAt(2, 0)->setFocus();
    EXPECT_NE(cell->grab().toImage().pixelColor(1, cell->height() / 2), ring);
}

} // namespace
