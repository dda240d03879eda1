#include "app/game_test.h"

#include "support/temporary_resources.h"
#include "window/window_handle.h"
#include "words/word_list.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>

namespace {

using LaunchTest = GameFixture;

// The console is attached before anything can print, so the welcome reaches the window too.
TEST_F(LaunchTest, FirstLaunchWelcomesOnTheConsoleDealsABoardAndSavesThePlayer)
{
    EXPECT_EQ(launch(), kWelcome);
    EXPECT_EQ(m_game->resultView->toPlainText().toStdString(), kWelcome);
    EXPECT_EQ(gWindow, m_game->window());
    EXPECT_GT(gSixListMax, 6000);
    EXPECT_EQ(m_game->window()->centralWidget()->findChildren<myTextField*>().size(), 26);
    EXPECT_EQ(QApplication::focusWidget(), fieldAt(0, 0));
    EXPECT_GT(intValue(m_game->compScore->text()), 0);
    EXPECT_EQ(statsLine(0), "Stats for " + QString::fromUtf8(gUserName) + ":");
    EXPECT_EQ(m_game->statsField->accessibleDescription(), m_game->statsField->text());
    EXPECT_EQ(std::get<QString>(*stored("LastUser")), QString::fromUtf8(gUserName));
    EXPECT_TRUE(stored(QString::fromUtf8(gUserName)).has_value());
}

TEST_F(LaunchTest, LaunchWithoutAWordListSaysSoAndLeavesTheBoardEmpty)
{
    TemporaryResources resources;
    EXPECT_EQ(launch(), "Null list.\n" + kWelcome + "The word list cannot make a puzzle, so the board stays empty.\n");
    EXPECT_EQ(m_game->compScore->text(), "0");
    EXPECT_FALSE(gGrid[0][0].field);
}

// Termination on its own stores the last player and nothing else: statistics changed since
// the last save stay unsaved, and every other key is left as another game wrote it.
TEST_F(LaunchTest, TerminationWritesOnlyTheLastUser)
{
    launch();
    const QString player = QString::fromUtf8(gUserName);
    UserDefaultsStore(UserDefaultsStore::standardFilePath()).setObjects({{QStringLiteral("LastUser"), QStringLiteral("bob")}, {QStringLiteral("bob"), StoreDictionary {}}});
    QFile document(UserDefaultsStore::standardFilePath());
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    auto expected = decodeStoreDocument(document.readAll());
    document.close();
    ASSERT_TRUE(expected);
    (*expected)["LastUser"] = player;
    gCurrStats.totalPuzzlesSubmitted = 7;
    m_game->applicationWillTerminate(nullptr);
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    EXPECT_EQ(decodeStoreDocument(document.readAll()), expected);
}

// A window set after launch takes over the outlets, the actions, the handles and the board.
TEST_F(LaunchTest, ASetWindowTakesOverOutletsActionsAndBoard)
{
    launch();
    const QString stats = m_game->statsField->text();
    QPointer<QMainWindow> old = m_game->window();
    m_game->setWindow(loadMainWindow());
    QMainWindow* window = m_game->window();
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(gWindow, window);
    EXPECT_EQ(m_game->statsField->text(), stats);
    EXPECT_EQ(fieldAt(0, 0)->window(), window);
    m_game->theWord->setText(QStringLiteral("garden"));
    press("checkWordButton");
    EXPECT_TRUE(m_game->resultView->toPlainText().endsWith("'garden' is a word\n"));
    EXPECT_EQ(m_game->theWord->window(), window);
}

} // namespace
