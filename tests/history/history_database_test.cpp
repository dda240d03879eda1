// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_csv.h"
#include "history/history_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDateTime kStart = QDateTime::fromMSecsSinceEpoch(1796000000123, Qt::UTC);

// The board of garden, anchor, chosen, normal, silver; the player made two words.
RoundRecord roundOf(const QString& player, int score, int computerScore, int minute = 0)
{
    using enum SlotDirection;
    return {player, kStart.addSecs(60 * minute), computerScore,
            {{{0, 0, Across, "GARDEN", "HARDEN", true, 11}, {1, 0, Down, "ANCHOR", "A  H  ", false, 0}, {0, 3, Across, "CHOSEN", "CHOSEN", true, 12},
              {5, 3, Down, "NORMAL", "NXRMAL", false, 0}, {3, 8, Across, "SILVER", "", false, 0}}}, score, 2};
}

class HistoryTest : public ::testing::Test {
protected:
    QString path() const { return m_folder.filePath("sixfold/history.sqlite"); }
    QTemporaryDir m_folder;
};

// Four games start together on a new file: each opening changes the journal at once.
TEST_F(HistoryTest, FourGamesWritingAtOnceAllLand)
{
    QProcess games[4];
    for (int i = 0; i < 4; ++i)
        games[i].start(QCoreApplication::applicationDirPath() + "/history_writer", {path(), QString("game%1").arg(i), "50"});
    for (QProcess& game : games)
        EXPECT_TRUE(game.waitForFinished(60000) && game.exitCode() == 0) << game.readAllStandardError().toStdString();
    HistoryDatabase history(path());
    qsizetype rounds = 0;
    for (const QString& player : history.players())
        rounds += history.roundScores(player, -1).size();
    EXPECT_EQ(rounds, 200);
}

// Another game holds a new file's write lock past the wait: that round is lost, the history stays on.
TEST_F(HistoryTest, LockHeldPastTheWaitCostsOnlyThatRound)
{
    QDir().mkpath(m_folder.filePath("sixfold"));
    HistoryDatabase history(path(), 50);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(path());
        QSqlQuery hold(other);
        ASSERT_TRUE(other.open() && hold.exec("PRAGMA user_version") && hold.exec("BEGIN IMMEDIATE"));
        EXPECT_TRUE(history.recordRound(roundOf("ada", 10, 20)).message.contains("(database is locked"));
        hold.exec("COMMIT");
    }
    QSqlDatabase::removeDatabase("other");
    EXPECT_TRUE(history.recordRound(roundOf("ada", 30, 20, 1)).isDone);
    EXPECT_EQ(history.roundScores("ada", -1).size(), 1);
}

TEST_F(HistoryTest, DamagedFileIsMovedAsideWholeAndRecordingGoesOn)
{
    QFile file((QDir().mkpath(m_folder.filePath("sixfold")), path()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(QByteArray(8192, 'x')) == 8192 && file.flush());
    HistoryDatabase history(path());
    const HistoryStatus first = history.recordRound(roundOf("ada", 10, 20));
    const QString aside = m_folder.filePath("sixfold/") + QDir(m_folder.filePath("sixfold")).entryList({"*.corrupt-*"}).value(0);
    EXPECT_EQ(first.message, "The history " + path() + " was damaged; it is kept as " + aside + " and a new history begins.\n");
    EXPECT_EQ(history.recordRound(roundOf("ada", 30, 20, 1)).message, QString());
    EXPECT_EQ(history.roundScores("ada", -1).size(), 2);
    QFile kept(aside);
    EXPECT_TRUE(kept.open(QIODevice::ReadOnly) && kept.readAll() == QByteArray(8192, 'x'));
}

// A folder that cannot be made, or a file from a newer game: one message, then silence, and the file kept.
TEST_F(HistoryTest, UnusableHistoryTurnsOffWithOneMessageAndKeepsTheFile)
{
    for (const bool newer : {false, true}) {
        QFile::remove(m_folder.filePath("sixfold"));
        QFile file(newer ? path() : m_folder.filePath("sixfold"));
        // The schema version is the big-endian word at byte 60 of the file.
        ASSERT_TRUE(newer ? HistoryDatabase(path()).open().isDone && file.open(QIODevice::ReadWrite) && file.seek(63)
                          : file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.write(newer ? "\x02" : "") == (newer ? 1 : 0) && file.flush());
        HistoryDatabase history(path());
        const HistoryStatus first = history.recordRound(roundOf("ada", 10, 20));
        EXPECT_TRUE(!first.isDone && first.message.startsWith("Rounds are not recorded until the next start: the history " + path() + " failed ("));
        EXPECT_EQ(first.message.contains("schema version 2 is newer than this game's 1"), newer) << first.message.toStdString();
        const HistoryStatus second = history.recordRound(roundOf("ada", 10, 20));
        EXPECT_FALSE(second.isDone || !second.message.isEmpty() || !history.players().isEmpty());
    }
}

TEST_F(HistoryTest, RoundsComeBackExactlyAndEveryFigureIsPerPlayer)
{
    HistoryDatabase history(path());
    EXPECT_FALSE(QFile::exists(path())) << "opened before the first use";
    const RoundRecord round = roundOf("Zoë, \"the\" player", 23, 40);
    EXPECT_EQ(history.recordRound(round).message, QString());
    EXPECT_EQ(history.lastRound(round.player), round);
    EXPECT_EQ(history.allRounds(round.player), QList<RoundRecord> {round});
    EXPECT_EQ(history.players(), QStringList {round.player});
    EXPECT_FALSE(history.lastRound("ada").has_value());
    const int scores[] = {10, 25, 10, 0, 25, 10};
    for (int i = 0; i < 6; ++i) {
        RoundRecord played = roundOf("ada", scores[i], 7, i);
        played.wordSlots[4] = {3, 8, SlotDirection::Across, "SILVER", QString("quizz%1").arg(i % 3), i < 3, 30 + i % 2};
        history.recordRound(played);
    }
    RoundRecord other = roundOf("bob", 99, 7);
    other.wordSlots[4] = {3, 8, SlotDirection::Across, "SILVER", "ZEPHYR", true, 99};
    history.recordRound(other);
    const PlayerStatistics ada = history.statistics("ada", 2);
    EXPECT_EQ(ada.scoreCounts, (QMap<int, int> {{0, 1}, {10, 3}, {25, 2}}));
    EXPECT_EQ(ada.rounds, (QList<RoundScores> {{5, kStart.addSecs(240), 25, 7}, {6, kStart.addSecs(300), 10, 7}}));
    EXPECT_EQ(history.roundScores("ada", 7).size(), 6);
    EXPECT_EQ(ada.lastRound->playedAt, kStart.addSecs(300));
    EXPECT_EQ(ada.wins, (WinRecord {5, 0, 1, 2, 3}));
    EXPECT_EQ(history.bestWords("ada", 3), (QList<BestWord> {{"QUIZZ1", 31, kStart.addSecs(60)}, {"QUIZZ0", 30, kStart},
                                                            {"QUIZZ2", 30, kStart.addSecs(120)}}));
    EXPECT_EQ(ada.bestWords.size(), 5) << "CHOSEN and HARDEN once each, after the three";
    EXPECT_EQ(history.players(), (QStringList {"Zoë, \"the\" player", "ada", "bob"}));
    // Rounds won, drawn, lost, oldest first, each its own player's; written newest first, so only the time orders them.
    const struct { const char* rounds; WinRecord expected; } rows[] = {
        {"", {0, 0, 0, 0, 0}}, {"WWW", {3, 0, 0, 3, 3}}, {"WWLW", {3, 0, 1, 1, 2}}, {"LWWWDWW", {5, 1, 1, 2, 3}},
        {"WWWL", {3, 0, 1, 0, 3}}, {"DLD", {0, 2, 1, 0, 0}}};
    for (const auto& row : rows) {
        for (int i = int(strlen(row.rounds)) - 1; i >= 0; --i)
            history.recordRound(roundOf(row.rounds, row.rounds[i] == 'W' ? 21 : row.rounds[i] == 'D' ? 20 : 19, 20, i));
        EXPECT_EQ(history.winRecord(row.rounds), row.expected) << row.rounds;
    }
}

TEST(HistoryCsvTest, KnownHistoryExportsByteForByte)
{
    RoundRecord won = roundOf("Zoë, \"Z\"", 41, 40); // shown in UTC to the second, whatever the offset it was kept in
    won.playedAt = kStart.addMSecs(876).toOffsetFromUtc(3600);
    const QByteArray header = "played_at,player,round_score,computer_score,result,words_made,computer_words,slot_1,slot_1_score,"
                              "slot_2,slot_2_score,slot_3,slot_3_score,slot_4,slot_4_score,slot_5,slot_5_score\r\n";
    const QByteArray rest = "2,GARDEN ANCHOR CHOSEN NORMAL SILVER,HARDEN,11,A  H  ,0,CHOSEN,12,NXRMAL,0,,0\r\n";
    EXPECT_EQ(roundsToCsv({won, roundOf("line\nbreak", 40, 40), roundOf("a\rb", 39, 40)}),
              header + "2026-11-30T00:53:20Z,\"Zoë, \"\"Z\"\"\",41,40,won," + rest + "2026-11-30T00:53:20Z,\"line\nbreak\",40,40,drawn,"
                  + rest + "2026-11-30T00:53:20Z,\"a\rb\",39,40,lost," + rest);
    EXPECT_EQ(roundsToCsv({}), header);
}

} // namespace
