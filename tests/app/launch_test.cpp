#include "app/app_delegate.h"

#include "console/log_console.h"
#include "grid/grid.h"
#include "support/globals.h"
#include "support/temporary_resources.h"
#include "window/console_view.h"
#include "window/window_handle.h"
#include "words/word_list.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>

namespace {

// Where the board's cells go: columns 0..15 and rows 0..8 at a pitch of 34, in the
// window's content area.
const QRect kBoardRegion(32, 36, 34 * 15 + 32, 34 * 8 + 32);

class LaunchTest : public GameTest {
protected:
    QWidget* contentView() const { return m_delegate.window()->centralWidget(); }

    AppDelegate m_delegate;
};

// A window set after launch takes over every outlet, action and handle, and the board;
// nothing is left pointing into the deleted window.
TEST_F(LaunchTest, ASetWindowTakesOverOutletsActionsAndBoard)
{
    testing::internal::CaptureStdout();
    m_delegate.applicationDidFinishLaunching(nullptr);
    const QString stats = m_delegate.statsField->text();
    QPointer<QMainWindow> old = m_delegate.window();
    m_delegate.setWindow(loadMainWindow());
    QMainWindow* window = m_delegate.window();
    EXPECT_TRUE(old.isNull());
    for (QWidget* outlet : std::initializer_list<QWidget*> {m_delegate.resultView, m_delegate.theWord, m_delegate.theScore,
                                                            m_delegate.compScore, m_delegate.statsField, m_delegate.newUserName}) {
        ASSERT_NE(outlet, nullptr);
        EXPECT_EQ(outlet->window(), window);
    }
    EXPECT_EQ(gWindow, window);
    EXPECT_EQ(m_delegate.statsField->text(), stats);
    ASSERT_TRUE(gGrid[0][0].field);
    EXPECT_EQ(gGrid[0][0].field->window(), window);
    m_delegate.theWord->setText(QStringLiteral("garden"));
    QTest::mouseClick(window->findChild<QAbstractButton*>(QStringLiteral("checkAllWordsButton")), Qt::LeftButton);
    QTest::mouseClick(window->findChild<QAbstractButton*>(QStringLiteral("checkWordButton")), Qt::LeftButton);
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(m_delegate.resultView->toPlainText().contains(QStringLiteral("is not a word.")));
    EXPECT_TRUE(m_delegate.theWord->text().isEmpty());
}

TEST_F(LaunchTest, WindowIsFixedSizeAndKeepsTheBoardRegionFree)
{
    QMainWindow* window = m_delegate.window();
    window->show();
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(contentView()->rect().contains(kBoardRegion));
    for (const QWidget* control : contentView()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->objectName() == QStringLiteral("boardArea"))
            continue;
        EXPECT_FALSE(control->geometry().intersects(kBoardRegion)) << control->objectName().toStdString();
    }
}

TEST_F(LaunchTest, ControlsDoNotOverlap)
{
    const auto controls = contentView()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* a : controls) {
        for (const QWidget* b : controls) {
            if (a == b)
                continue;
            EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
        }
    }
}

TEST_F(LaunchTest, LaunchSetsTheConsoleFontAndBothHandles)
{
    TemporaryResources resources;
    resources.write(QStringLiteral("SixLetterWords.txt"), "abacus\n");
    m_delegate.applicationDidFinishLaunching(nullptr);
    EXPECT_EQ(gTextView, m_delegate.resultView);
    EXPECT_EQ(gWindow, m_delegate.window());
    const QFont font = m_delegate.resultView->font();
    EXPECT_EQ(font.family(), QStringLiteral("Monaco"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 14.0);
    // Measured rather than asked: some monospaced fonts (Noto Sans Mono) do not report a fixed pitch.
    const QFontMetricsF metrics(font);
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")), metrics.horizontalAdvance(QStringLiteral("MMMM")));
}

TEST_F(LaunchTest, FirstLaunchLoadsTheWordListAndWelcomesThePlayer)
{
    testing::internal::CaptureStdout();
    m_delegate.applicationDidFinishLaunching(nullptr);
    const char* welcome = "You appear to be a new user, welcome!\n";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), welcome);
    EXPECT_GT(gSixListMax, 6000);
    EXPECT_EQ(m_delegate.resultView->toPlainText(), welcome);
}

TEST_F(LaunchTest, LaunchWithoutAWordFileCompletesAndSaysSo)
{
    TemporaryResources resources;
    testing::internal::CaptureStdout();
    m_delegate.applicationDidFinishLaunching(nullptr);
    const char* messages = "Null list.\nYou appear to be a new user, welcome!\n"
                           "The word list cannot make a puzzle, so the board stays empty.\n";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), messages);
    EXPECT_EQ(m_delegate.resultView->toPlainText(), messages);
    EXPECT_EQ(gSixListMax, 1);
    EXPECT_EQ(m_delegate.compScore->text(), "0");
    EXPECT_FALSE(gGrid[0][0].field);
}

TEST_F(LaunchTest, LaunchLaysOutAPuzzleWithTheFocusInItsFirstCell)
{
    m_delegate.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_delegate.window()));
    m_delegate.applicationDidFinishLaunching(nullptr);
    int fields = 0;
    int fixed = 0;
    for (const auto& column : gGrid) {
        for (const GridCell& cell : column) {
            fields += cell.field ? 1 : 0;
            fixed += cell.field && !cell.editable ? 1 : 0;
        }
    }
    EXPECT_EQ(fields, 26);
    EXPECT_EQ(fixed, 4);
    EXPECT_GT(m_delegate.compScore->text().toInt(), 0);
    EXPECT_EQ(QApplication::focusWidget(), gGrid[0][0].field.get());
}

} // namespace
