#include "history/history_database.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDateTime kStart = QDateTime::fromMSecsSinceEpoch(1796000000123, Qt::UTC);

// The board of garden, anchor, chosen, normal, silver; the player made two words.
RoundRecord roundOf(const QString& player, int score, int computerScore, int minute = 0)
{
    RoundRecord round;
    round.player = player;
    round.playedAt = kStart.addSecs(60 * minute);
    round.computerScore = computerScore;
    round.roundScore = score;
    round.wordsMade = 2;
    round.wordSlots = {{{0, 0, SlotDirection::Across, "GARDEN", "HARDEN", true, 11},
                    {1, 0, SlotDirection::Down, "ANCHOR", "A  H  ", false, 0},
                    {0, 3, SlotDirection::Across, "CHOSEN", "CHOSEN", true, 12},
                    {5, 3, SlotDirection::Down, "NORMAL", "NXRMAL", false, 0},
                    {3, 8, SlotDirection::Across, "SILVER", "", false, 0}}};
    return round;
}

class HistoryTest : public ::testing::Test {
protected:
    QString path() const { return m_folder.filePath(QStringLiteral("sixfold/history.sqlite")); }

    // Reads the file as another program would, past the library.
    int countOf(const QString& sql)
    {
        int count = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
            db.setDatabaseName(path());
            QSqlQuery query(db);
            if (db.open() && query.exec(sql) && query.next())
                count = query.value(0).toInt();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("peek"));
        return count;
    }

    QTemporaryDir m_folder;
};

TEST_F(HistoryTest, RecordedRoundComesBackExactlyAsOneRow)
{
    HistoryDatabase history(path());
    EXPECT_FALSE(QFile::exists(path())) << "opened before the first use";
    const RoundRecord round = roundOf(QStringLiteral("Zoë, \"the\" player"), 23, 40);
    const HistoryStatus status = history.recordRound(round);
    EXPECT_TRUE(status.isDone);
    EXPECT_EQ(status.message, QString());
    EXPECT_EQ(history.lastRound(round.player), round);
    EXPECT_EQ(history.allRounds(round.player), QList<RoundRecord> {round});
    EXPECT_EQ(countOf(QStringLiteral("SELECT COUNT(*) FROM rounds")), 1);
    EXPECT_EQ(countOf(QStringLiteral("SELECT COUNT(*) FROM slots")), 5);
    EXPECT_EQ(countOf(QStringLiteral("PRAGMA user_version")), HistoryDatabase::kSchemaVersion);
    EXPECT_EQ(history.players(), QStringList {round.player});
}

TEST_F(HistoryTest, TwoGamesWritingAtOnceBothLand)
{
    HistoryDatabase history(path());
    ASSERT_TRUE(history.open().isDone);
    QProcess games[2];
    for (int i = 0; i < 2; ++i)
        games[i].start(QCoreApplication::applicationDirPath() + QStringLiteral("/history_writer"),
                       {path(), QStringLiteral("game%1").arg(i), QStringLiteral("150")});
    for (QProcess& game : games) {
        ASSERT_TRUE(game.waitForFinished(60000));
        EXPECT_EQ(game.exitCode(), 0) << game.readAllStandardError().toStdString();
    }
    EXPECT_EQ(history.roundScores(QStringLiteral("game0"), -1).size(), 150);
    EXPECT_EQ(history.roundScores(QStringLiteral("game1"), -1).size(), 150);
}

TEST_F(HistoryTest, DamagedFileIsMovedAsideAndRecordingGoesOn)
{
    QByteArray garbage(8192, '\0');
    QRandomGenerator random(13);
    for (char& byte : garbage)
        byte = char(random.bounded(256));
    QDir().mkpath(QFileInfo(path()).absolutePath());
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(garbage);
    file.close();

    HistoryDatabase history(path());
    const HistoryStatus first = history.recordRound(roundOf(QStringLiteral("ada"), 10, 20));
    EXPECT_TRUE(first.isDone);
    EXPECT_TRUE(first.message.contains(QStringLiteral("damaged"))) << first.message.toStdString();
    EXPECT_EQ(history.recordRound(roundOf(QStringLiteral("ada"), 30, 20, 1)).message, QString());
    EXPECT_EQ(history.winRecord(QStringLiteral("ada")).won, 1);
    const QStringList aside = QDir(QFileInfo(path()).absolutePath()).entryList({QStringLiteral("history.sqlite.corrupt-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(QFileInfo(path()).absolutePath() + u'/' + aside.first());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), garbage);
}

struct Unusable {
    const char* name;
    void (*spoil)(const QString& path);
};

class UnusableHistoryTest : public HistoryTest, public ::testing::WithParamInterface<Unusable> {};

TEST_P(UnusableHistoryTest, TurnsTheHistoryOffWithOneMessageAndKeepsTheFile)
{
    GetParam().spoil(path());
    QFile file(path());
    const QByteArray before = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    HistoryDatabase history(path());
    const HistoryStatus first = history.recordRound(roundOf(QStringLiteral("ada"), 10, 20));
    EXPECT_FALSE(first.isDone);
    EXPECT_FALSE(first.message.isEmpty());
    const HistoryStatus second = history.recordRound(roundOf(QStringLiteral("ada"), 10, 20));
    EXPECT_FALSE(second.isDone);
    EXPECT_EQ(second.message, QString()) << "said twice";
    EXPECT_EQ(history.players(), QStringList());
    if (file.open(QIODevice::ReadOnly)) {
        EXPECT_EQ(file.readAll(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, UnusableHistoryTest,
    ::testing::Values(
        Unusable {"FolderIsAFile",
                  [](const QString& path) {
                      QFile blocker(QFileInfo(path).absolutePath());
                      (void)blocker.open(QIODevice::WriteOnly);
                  }},
        Unusable {"WrittenByANewerGame",
                  [](const QString& path) {
                      {
                          HistoryDatabase history(path);
                          (void)history.open();
                      }
                      {
                          QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
                          db.setDatabaseName(path);
                          db.open();
                          QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version=2"));
                          db.close();
                      }
                      QSqlDatabase::removeDatabase(QStringLiteral("newer"));
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

// Rounds as W (won), D (drawn), L (lost), oldest first.
struct Streaks {
    const char* rounds;
    WinRecord expected;
};

class WinRecordTest : public HistoryTest, public ::testing::WithParamInterface<Streaks> {};

TEST_P(WinRecordTest, CountsResultsAndRunsOfWinsInTimeOrder)
{
    HistoryDatabase history(path());
    const QByteArray rounds(GetParam().rounds);
    // Written newest first, so that only the time can put them in order.
    for (int i = rounds.size() - 1; i >= 0; --i)
        history.recordRound(roundOf(QStringLiteral("ada"), rounds[i] == 'W' ? 30 : rounds[i] == 'D' ? 20 : 10, 20, i));
    history.recordRound(roundOf(QStringLiteral("bob"), 50, 20));
    EXPECT_EQ(history.winRecord(QStringLiteral("ada")), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Histories, WinRecordTest,
    ::testing::Values(Streaks {"", {0, 0, 0, 0, 0}}, Streaks {"WWW", {3, 0, 0, 3, 3}},
                      Streaks {"WWLW", {3, 0, 1, 1, 2}}, Streaks {"LWWWDWW", {5, 1, 1, 2, 3}},
                      Streaks {"WWWL", {3, 0, 1, 0, 3}}, Streaks {"DLD", {0, 2, 1, 0, 0}}));

TEST_F(HistoryTest, ScoreCountsAndTheLatestRoundsNumberedFromTheFirst)
{
    HistoryDatabase history(path());
    const int scores[] = {10, 25, 10, 0, 25, 10};
    for (int i = 0; i < 6; ++i)
        history.recordRound(roundOf(QStringLiteral("ada"), scores[i], 7, i));
    history.recordRound(roundOf(QStringLiteral("bob"), 99, 7));
    EXPECT_EQ(history.scoreCounts(QStringLiteral("ada")), (QMap<int, int> {{0, 1}, {10, 3}, {25, 2}}));
    EXPECT_EQ(history.roundScores(QStringLiteral("ada"), 2),
              (QList<RoundScores> {{5, kStart.addSecs(240), 25, 7}, {6, kStart.addSecs(300), 10, 7}}));
    EXPECT_EQ(history.roundScores(QStringLiteral("ada"), -1).size(), 6);
    EXPECT_EQ(history.lastRound(QStringLiteral("ada"))->playedAt, kStart.addSecs(300));
    EXPECT_EQ(history.players(), (QStringList {QStringLiteral("ada"), QStringLiteral("bob")}));
}

TEST_F(HistoryTest, BestWordsComeOnceEachBestFirstWithTheirFirstRound)
{
    HistoryDatabase history(path());
    for (int i = 0; i < 3; ++i) {
        RoundRecord round = roundOf(QStringLiteral("ada"), 0, 0, i);
        round.wordSlots[4] = {3, 8, SlotDirection::Across, "SILVER", QStringLiteral("quizz%1").arg(i), true, 30 + i % 2};
        history.recordRound(round);
    }
    RoundRecord other = roundOf(QStringLiteral("bob"), 0, 0);
    other.wordSlots[4] = {3, 8, SlotDirection::Across, "SILVER", "ZEPHYR", true, 99};
    history.recordRound(other);
    EXPECT_EQ(history.bestWords(QStringLiteral("ada"), 3),
              (QList<BestWord> {{"QUIZZ1", 31, kStart.addSecs(60)}, {"QUIZZ0", 30, kStart},
                                {"QUIZZ2", 30, kStart.addSecs(120)}}));
    EXPECT_EQ(history.bestWords(QStringLiteral("ada")).size(), 5) << "CHOSEN and HARDEN once each";
}

} // namespace
