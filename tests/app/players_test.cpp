#include "app/app_delegate.h"

#include "console/log_console.h"
#include "platform/user_defaults_store.h"
#include "stats/user_stats.h"
#include "support/globals.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cstring>

namespace {

class PlayersTest : public GameTest {
protected:
    void launch(AppDelegate& delegate)
    {
        testing::internal::CaptureStdout();
        delegate.applicationDidFinishLaunching(nullptr);
        m_launchMessages = testing::internal::GetCapturedStdout();
    }

    static std::string changeUserTo(AppDelegate& delegate, const QString& name)
    {
        delegate.newUserName->setText(name);
        auto* button = delegate.window()->findChild<QPushButton*>(QStringLiteral("changeUserButton"));
        testing::internal::CaptureStdout();
        QTest::mouseClick(button, Qt::LeftButton);
        return testing::internal::GetCapturedStdout();
    }

    static QString statsLine(const AppDelegate& delegate, int line)
    {
        return delegate.statsField->text().split(u'\n').value(line);
    }

    static std::optional<StoreValue> stored(const QString& key)
    {
        return UserDefaultsStore(UserDefaultsStore::standardFilePath()).objectForKey(key);
    }

    std::string m_launchMessages;
};

TEST_F(PlayersTest, PlayerComesBackWithTheirStatisticsAfterARestart)
{
    {
        AppDelegate first;
        launch(first);
        changeUserTo(first, "ada");
        gCurrStats.averageScore = 17.25f;
        gCurrStats.averageWordScore = 12.57f;
        gCurrStats.totalPuzzlesSubmitted = 4;
        first.updateStatsDisplay();
        first.applicationWillTerminate(nullptr);
    }
    resetGame(); // a new process
    AppDelegate second;
    launch(second);
    EXPECT_EQ(m_launchMessages, "");
    EXPECT_STREQ(gUserName, "ada");
    EXPECT_EQ(statsLine(second, 0), "Stats for ada:");
    EXPECT_EQ(statsLine(second, 1), "    Average Score: 17.25");
    EXPECT_EQ(statsLine(second, 3), "    Average Word Score: 12.00");
    EXPECT_EQ(statsLine(second, 4), "    Total Puzzle Submissions: 4");
}

TEST_F(PlayersTest, FirstLaunchShowsAndSavesTheNewPlayer)
{
    AppDelegate delegate;
    launch(delegate);
    EXPECT_EQ(m_launchMessages, "You appear to be a new user, welcome!\n");
    EXPECT_EQ(statsLine(delegate, 7), "    Best Word: '', 0 points");
    EXPECT_EQ(delegate.statsField->font().family(), "Geneva");
    EXPECT_DOUBLE_EQ(delegate.statsField->font().pointSizeF(), 14.0);
    EXPECT_EQ(std::get<QString>(*stored("LastUser")), QString::fromUtf8(gUserName));
    EXPECT_TRUE(stored(QString::fromUtf8(gUserName)).has_value());
}

TEST_F(PlayersTest, ChangingToANewPlayerWelcomesSavesAndReports)
{
    AppDelegate delegate;
    launch(delegate);
    EXPECT_EQ(changeUserTo(delegate, "Zoë"), "You appear to be a new user, welcome!\nUser changed to 'Zoë'\n");
    EXPECT_EQ(std::get<QString>(*stored("LastUser")), QStringLiteral("Zoë"));
    EXPECT_TRUE(stored(QStringLiteral("Zoë")).has_value());
    EXPECT_EQ(statsLine(delegate, 0), "Stats for Zoë:");
    EXPECT_EQ(delegate.newUserName->text(), "Zoë");
}

TEST_F(PlayersTest, EmptyNameChangesNothing)
{
    AppDelegate delegate;
    launch(delegate);
    const QByteArray before(gUserName);
    EXPECT_EQ(changeUserTo(delegate, ""), "");
    EXPECT_EQ(QByteArray(gUserName), before);
}

TEST_F(PlayersTest, ChangingToTheSamePlayerReloadsTheSavedRecord)
{
    AppDelegate delegate;
    launch(delegate);
    changeUserTo(delegate, "ada");
    gCurrStats.bestWordScore = 50; // found by a check, never saved
    EXPECT_EQ(changeUserTo(delegate, "ada"), "User changed to 'ada'\n");
    EXPECT_EQ(gCurrStats.bestWordScore, 0);
}

TEST_F(PlayersTest, NameOfThirtyOneBytesIsShownWhole)
{
    AppDelegate delegate;
    launch(delegate);
    const QString name(31, u'n');
    changeUserTo(delegate, name);
    EXPECT_EQ(statsLine(delegate, 0), "Stats for " + name + ":");
}

TEST_F(PlayersTest, LongerNameIsRefusedAndChangesNothing)
{
    AppDelegate delegate;
    launch(delegate);
    changeUserTo(delegate, "ada");
    const std::string message = changeUserTo(delegate, QString(16, QChar(0x00E9))); // 32 bytes
    EXPECT_NE(message.find("too long"), std::string::npos) << message;
    EXPECT_STREQ(gUserName, "ada");
    EXPECT_EQ(std::get<QString>(*stored("LastUser")), QStringLiteral("ada"));
}

TEST_F(PlayersTest, LastUserCannotBeAPlayersName)
{
    AppDelegate delegate;
    launch(delegate);
    changeUserTo(delegate, "ada");
    EXPECT_NE(changeUserTo(delegate, "LastUser").find("cannot be a player's name"), std::string::npos);
    EXPECT_STREQ(gUserName, "ada");
    EXPECT_EQ(std::get<QString>(*stored("LastUser")), QStringLiteral("ada"));
}

} // namespace
