// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/history_csv.h"
#include "core/history/history_database.h"
#include "core/history/history_files.h"
#include "core/history/history_service.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

#include "support/layer_test.h"

namespace {

const QDateTime kStart = QDateTime::fromMSecsSinceEpoch(1796000000123, Qt::UTC);

// The board of garden, anchor, chosen, normal, silver; the player made two words.
RoundRecord roundOf(const QString& player, int score, int computerScore, int minute = 0)
{
    using enum Direction;
    return {player, kStart.addSecs(60 * minute), computerScore,
            {{{0, 0, Across, "GARDEN", "HARDEN", true, 11}, {1, 0, Down, "ANCHOR", "A  H  ", false, 0}, {0, 3, Across, "CHOSEN", "CHOSEN", true, 12},
              {5, 3, Down, "NORMAL", "NXRMAL", false, 0}, {3, 8, Across, "SILVER", "", false, 0}}}, score, 2, 0, {}};
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
    EXPECT_EQ(history.players().size(), 4);
    for (const QString& player : history.players())
        EXPECT_EQ(history.roundScores(player, HistoryDatabase::kAllRounds).size(), 50) << player.toStdString();
}

// Another program holds the history whole (not even a reader gets in). A round given then only
// queues: the call returns with it pending, the thread behind it keeps it in the pending file,
// and a read says why it cannot be made. Two games keep theirs in the one file; one quits. Once
// the lock goes every round lands once, in the order given, even though both games write the
// whole file; and a round a game quits with is written by the next game to start.
TEST_F(HistoryTest, RoundsGivenWhileAnotherProgramHoldsTheHistoryAreKeptAndLandOnce)
{
    HistoryDatabase(path()).open();
    const auto hold = [this] {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(path());
        return other.open() && QSqlQuery(other).exec("PRAGMA locking_mode=EXCLUSIVE") && QSqlQuery(other).exec("BEGIN EXCLUSIVE")
            && QSqlQuery(other).exec("COMMIT");
    };
    const auto release = [] {
        QSqlDatabase::database("other").close();
        QSqlDatabase::removeDatabase("other");
    };
    const auto kept = [this] { return pendingRoundsFrom(fileText(pendingRoundsPath(path()))).size(); };
    const auto scores = [this](const char* player) {
        QList<int> scores;
        for (const RoundScores& round : HistoryDatabase(path()).roundScores(player, HistoryDatabase::kAllRounds))
            scores << round.score;
        return scores;
    };
    ASSERT_TRUE(hold());
    auto first = std::make_unique<HistoryService>(path());
    auto second = std::make_unique<HistoryService>(path());
    first->setRetryDelay(10), second->setRetryDelay(10); // tried again at once, not after a second
    RoundRecord daily = roundOf("ada", 1, 20);
    daily.dailyNumber = 9;
    daily.hints = 2; // kept aside with the round
    for (const int score : {1, 2})
        first->recordRound(score == 1 ? daily : roundOf("ada", score, 20));
    EXPECT_EQ(first->pendingRounds().size(), 2) << "waited for the write";
    EXPECT_TRUE(first->hasDailyResult("ada", 9)) << "a daily result kept aside is not counted";
    EXPECT_TRUE(QTest::qWaitFor([&] { return kept() == 2; }, 30000));
    second->recordRound(roundOf("ada", 3, 20));
    QString problem;
    second->ask(second.get(), [](HistoryDatabase& history) { return history.players(); }, [&](const QStringList&, const QString& why) { problem = why; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return kept() == 3 && !problem.isEmpty(); }, 30000));
    EXPECT_EQ(problem, "the history is in use by another program");
    QList<PendingRound> quit = pendingRoundsFrom(fileText(pendingRoundsPath(path())));
    first.reset(); // quits with its rounds kept
    release();
    EXPECT_TRUE(QTest::qWaitFor([&] { return second->pendingRounds().isEmpty() && !QFile::exists(pendingRoundsPath(path())); }, 30000));
    EXPECT_EQ(scores("ada"), (QList<int> {1, 2, 3}));
    second.reset();
    // A game killed after it wrote its rounds, before it took them from the file, leaves them to be given again; and one it never wrote.
    quit.append({QStringLiteral("never-written"), roundOf("bob", 4, 20)});
    ASSERT_TRUE(writeKeptFile(pendingRoundsPath(path()), pendingRoundsText(quit)).isEmpty());
    HistoryService {path()}; // gives them as it starts, and is done as it ends
    EXPECT_EQ(kept(), 0) << "a round given again stays in the pending file";
    EXPECT_EQ(scores("ada"), (QList<int> {1, 2, 3})) << "a round given again landed twice";
    EXPECT_EQ(scores("bob"), QList<int> {4}) << "a round a game quit with is not written by the next";
    EXPECT_EQ(HistoryDatabase(path()).dailyResults("ada"), (QList<DailyResult> {{9, 1, 20}}));
    EXPECT_EQ(HistoryDatabase(path()).round("ada", 1)->hints, 2);
}

// Ten pages in the middle overwritten, the header whole: the read that meets them says so, the
// file is moved aside, what can still be read of it begins the new one, and recording goes on.
TEST_F(HistoryTest, DamagedPagesMidFileAreFoundMovedAsideAndWhatReadsIsKept)
{
    constexpr int kRounds = 1000;
    {
        HistoryDatabase history(path());
        for (int i = 0; i < kRounds; ++i)
            history.recordRound(roundOf("ada", i, 20, i));
    }
    QFile file(path());
    ASSERT_TRUE(file.size() > 60 * 4096 && file.open(QIODevice::ReadWrite) && file.seek(30 * 4096) && file.write(QByteArray(10 * 4096, 'x')) > 0);
    file.close();
    HistoryDatabase history(path());
    history.allRounds("ada");
    const HistoryStatus repaired = history.repairIfDamaged();
    const auto rounds = history.allRounds("ada");
    ASSERT_TRUE(rounds && history.takeReadProblem().isEmpty()) << "the new file reads whole";
    EXPECT_TRUE(rounds->size() > 0 && rounds->size() < kRounds) << rounds->size();
    EXPECT_EQ(rounds->back().wordSlots[0].letters, "HARDEN") << "a round kept without its slots";
    EXPECT_TRUE(repaired.isDone && repaired.message.endsWith(QString(" and a new history begins with the %1 rounds that could still be read from it.\n").arg(rounds->size())))
        << repaired.message.toStdString();
    EXPECT_TRUE(history.recordRound(roundOf("ada", 1000, 20, kRounds)).isDone);
    EXPECT_EQ(history.repairIfDamaged().message, QString()) << "a sound history repaired";
    EXPECT_EQ(QDir(m_folder.filePath("sixfold")).entryList({"*.corrupt-*Z"}).size(), 1);
}

// Damage found as the file opens, or only past the open, at the first round written to it.
TEST_F(HistoryTest, DamagedFileIsMovedAsideWholeAndRecordingGoesOn)
{
    for (const qint64 damagedFrom : {0, 4096}) {
        QDir(m_folder.filePath("sixfold")).removeRecursively();
        if (damagedFrom > 0)
            HistoryDatabase(path()).recordRound(roundOf("bob", 1, 2));
        QDir().mkpath(m_folder.filePath("sixfold"));
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(damagedFrom) && file.write(QByteArray(8192, 'x')) == 8192 && file.flush());
        ASSERT_TRUE(QFile(path() + "-wal").open(QIODevice::WriteOnly) && file.seek(0));
        const QByteArray damaged = file.readAll();
        HistoryDatabase history(path());
        const HistoryStatus first = history.recordRound(roundOf("ada", 10, 20));
        const QString aside = m_folder.filePath("sixfold/") + QDir(m_folder.filePath("sixfold")).entryList({"*.corrupt-*"}).value(0);
        EXPECT_TRUE(first.isDone);
        EXPECT_EQ(first.message, "The history " + path() + " was damaged; it is kept as " + aside + " and a new history begins.\n");
        EXPECT_EQ(history.recordRound(roundOf(QString(), 30, 20, 1)).message, QString()) << "a player without a name still plays";
        EXPECT_EQ(history.roundScores("ada", HistoryDatabase::kAllRounds).size() + history.roundScores("", HistoryDatabase::kAllRounds).size(), 2);
        QFile kept(aside);
        EXPECT_TRUE(kept.open(QIODevice::ReadOnly) && kept.readAll() == damaged);
        EXPECT_TRUE(QFile::exists(aside + "-wal") || damagedFrom > 0) << "the log of a file that never opened is left behind";
    }
}

// A folder that cannot be made, or a file from a newer game: one message, then silence, and the
// file kept byte for byte (its journal not switched); a read says which.
TEST_F(HistoryTest, UnusableHistoryTurnsOffWithOneMessageAndKeepsTheFile)
{
    for (const bool newer : {false, true}) {
        QFile::remove(m_folder.filePath("sixfold"));
        if (newer) {
            QDir().mkpath(m_folder.filePath("sixfold"));
            QSqlDatabase later = QSqlDatabase::addDatabase("QSQLITE", "later");
            later.setDatabaseName(path());
            ASSERT_TRUE(later.open() && QSqlQuery(later).exec("CREATE TABLE rounds (id INTEGER PRIMARY KEY)") && QSqlQuery(later).exec("PRAGMA user_version=2"));
            later.close();
        }
        QSqlDatabase::removeDatabase("later");
        const QByteArray before = fileText(path());
        QFile file(m_folder.filePath("sixfold"));
        ASSERT_TRUE(newer || file.open(QIODevice::WriteOnly));
        HistoryDatabase history(path());
        const HistoryStatus first = history.recordRound(roundOf("ada", 10, 20));
        EXPECT_TRUE(!first.isDone && first.message.startsWith("Rounds are not recorded until the next start: the history " + path() + " failed ("));
        EXPECT_EQ(first.message.contains("schema version 2 is newer than this game's 1"), newer) << first.message.toStdString();
        const HistoryStatus second = history.recordRound(roundOf("ada", 10, 20));
        EXPECT_FALSE(second.isDone || !second.message.isEmpty() || !history.players().isEmpty());
        EXPECT_TRUE(history.takeReadProblem().startsWith(newer ? "the history is from a newer version" : "the history cannot be read: "));
        EXPECT_EQ(fileText(path()), before) << "a history that cannot be read is written";
        EXPECT_FALSE(QFile::exists(path() + "-wal"));
    }
}

TEST_F(HistoryTest, EveryFigureIsPerPlayer)
{
    HistoryDatabase history(path());
    history.recordRound(roundOf("Zoë, \"the\" player", 23, 40));
    const int scores[] = {10, 25, 10, 0, 25, 10};
    for (int i = 0; i < 6; ++i) {
        RoundRecord played = roundOf("ada", scores[i], 7, i);
        played.wordSlots[4] = {3, 8, Direction::Across, "SILVER", QString("quizz%1").arg(i % 3), i < 3, 30 + i % 2};
        history.recordRound(played);
    }
    RoundRecord other = roundOf("bob", 99, 7);
    other.wordSlots[4] = {3, 8, Direction::Across, "SILVER", "ZEPHYR", true, 99};
    history.recordRound(other);
    const PlayerStatistics ada = history.statistics("ada", 2);
    EXPECT_EQ(ada.scoreCounts, (QMap<int, int> {{0, 1}, {10, 3}, {25, 2}}));
    EXPECT_EQ(ada.roundCount, 6);
    EXPECT_EQ(ada.scores, (QList<ScorePoint> {{5, 5, 25, 7, 25, 7}, {6, 6, 10, 7, 10, 7}}));
    EXPECT_EQ(history.scorePoints("ada", 5), (QList<ScorePoint> {{2, 2, 25, 7, 25, 7}, {3, 3, 10, 7, 10, 7}, {4, 4, 0, 7, 0, 7},
                                                                {5, 5, 25, 7, 25, 7}, {6, 6, 10, 7, 10, 7}}));
    EXPECT_EQ(history.bestWords("ada", 3), (QList<BestWord> {{"QUIZZ1", 31, kStart.addSecs(60)}, {"QUIZZ0", 30, kStart},
                                                            {"QUIZZ2", 30, kStart.addSecs(120)}}));
    EXPECT_EQ(history.players(), (QStringList {"Zoë, \"the\" player", "ada", "bob"}));
}

// Recorded newest first, as after the clock was set back: the order of recording numbers them everywhere, not the time.
TEST_F(HistoryTest, RoundsAreNumberedInTheOrderRecorded)
{
    HistoryDatabase history(path());
    for (int i = 6; i >= 0; --i)
        history.recordRound(roundOf("cy", "LWWWDWW"[i] == 'W' ? 21 : "LWWWDWW"[i] == 'D' ? 20 : 19, 20, i));
    const PlayerStatistics cy = history.statistics("cy", 1);
    EXPECT_EQ(cy.wins, (WinRecord {5, 1, 1, 0, 3}));
    EXPECT_EQ(cy.scores, (QList<ScorePoint> {{7, 7, 19, 20, 19, 20}}));
    EXPECT_EQ(cy.lastRound->playedAt, kStart);
    EXPECT_EQ(history.round("cy", 2)->playedAt, kStart.addSecs(300));
    EXPECT_EQ(history.allRounds("cy")->front().playedAt, kStart.addSecs(360));
    EXPECT_EQ(history.roundScores("cy", 1), (QList<RoundScores> {{7, kStart, 19, 20}}));
    EXPECT_FALSE(history.round("cy", 8) || history.round("cy", 0));
}

// A file from before daily results, best possible scores and hints gains the columns, its rounds kept (a reader reads them without);
// opening it again adds nothing. Daily results are per player, by number, the first of a number
// only; a round without a best possible score gets one worked out once, when first shown.
TEST_F(HistoryTest, AnOlderFileGainsTheDailyBestPossibleAndHintsColumnsOnce)
{
    HistoryDatabase(path()).recordRound(roundOf("ada", 5, 6));
    {
        QSqlDatabase old = QSqlDatabase::addDatabase("QSQLITE", "old");
        old.setDatabaseName(path());
        ASSERT_TRUE(old.open() && QSqlQuery(old).exec("DROP INDEX rounds_by_daily") && QSqlQuery(old).exec("ALTER TABLE rounds DROP COLUMN daily")
                    && QSqlQuery(old).exec("ALTER TABLE rounds DROP COLUMN best_possible") && QSqlQuery(old).exec("ALTER TABLE rounds DROP COLUMN hints")
                    // and an edited sixth slot, passed over
                    && QSqlQuery(old).exec("INSERT INTO slots SELECT round_id, 5, player, x, y, down, 'EDITED', is_word, score FROM slots WHERE slot = 4"));
    }
    QSqlDatabase::removeDatabase("old");
    HistoryDatabase reader(path(), 5000, HistoryDatabase::Access::Read);
    EXPECT_TRUE(reader.lastRound("ada") == roundOf("ada", 5, 6) && reader.allRounds("ada")->size() == 1) << reader.takeReadProblem().toStdString();
    for (int opening = 0; opening < 2; ++opening) {
        HistoryDatabase history(path());
        for (const auto& [daily, score] : {std::pair(7, 30), std::pair(3, 20), std::pair(7, 99), std::pair(0, 50)}) {
            RoundRecord round = roundOf(opening == 0 ? "ada" : "bob", score, 40, score);
            round.dailyNumber = daily;
            round.hints = score % 4;
            ASSERT_EQ(history.recordRound(round).message, QString());
        }
        EXPECT_EQ(history.dailyResults("ada"), (QList<DailyResult> {{3, 20, 40}, {7, 30, 40}}));
        EXPECT_TRUE(history.hasDailyResult("ada", 3));
        EXPECT_FALSE(history.hasDailyResult("ada", 4));
        EXPECT_FALSE(history.hasDailyResult("cy", 3)) << "another player's daily result";
        EXPECT_EQ(history.roundScores("ada", HistoryDatabase::kAllRounds).size(), 5);
    }
    HistoryDatabase history(path());
    EXPECT_EQ(history.allRounds("ada")->at(3).hints, 3);
    EXPECT_EQ(history.statistics("ada", 1).recentHints, 7);
    history.setBestPossibleScorer([](const RoundRecord&) { return std::optional(42); });
    EXPECT_EQ(history.allRounds("ada")->front().bestPossible, std::nullopt) << "an export worked the best possible scores out";
    RoundRecord kept = roundOf("ada", 5, 6);
    kept.bestPossible = 42;
    EXPECT_EQ(*history.round("ada", 1), kept);
    EXPECT_EQ(HistoryDatabase(path()).round("ada", 1)->bestPossible, 42) << "the best possible worked out is not kept";
    EXPECT_EQ(history.lastRound("bob")->bestPossible, 42);
}

// Days are the daily boards' numbers; the current run lives while it reaches yesterday.
TEST(RoundFiguresTest, DailyStreaksAreRunsOfConsecutiveDays)
{
    const struct { QList<int> days; int today; DailyStreak expected; } rows[] = {
        {{}, 10, {0, 0}}, {{10}, 10, {1, 1}}, {{9}, 10, {1, 1}}, {{8}, 10, {0, 1}},
        {{1, 2, 3, 5, 6}, 7, {2, 3}}, {{1, 2, 3, 5, 6}, 8, {0, 3}}, {{4, 6, 7, 8, 9}, 9, {4, 4}},
        // the last kept while the clock ran ahead, and a day kept twice
        {{338, 339, 340, 341, 342}, 341, {4, 4}}, {{11}, 10, {0, 0}}, {{4, 5, 5, 6}, 6, {3, 3}},
    };
    for (const auto& row : rows) {
        QList<DailyResult> results;
        for (const int day : row.days)
            results.append({day, 0, 0});
        EXPECT_EQ(RoundFigures::dailyStreak(results, row.today), row.expected) << row.days.size() << " " << row.today;
    }
}

// A point per round up to the most points, past them the mean of equal runs, the last run shorter.
TEST(RoundFiguresTest, LongHistoriesAreChartedAsMeansOfEqualRuns)
{
    const struct { int rounds; int perPoint; } rows[] = {{0, 1}, {1000, 1}, {1001, 2}, {2000, 2}, {700000, 700}, {1000000, 1000}};
    for (const auto& row : rows)
        EXPECT_EQ(RoundFigures::roundsPerPoint(row.rounds), row.perPoint) << row.rounds;
    RoundFigures::ScorePoints points(3, 2);
    for (const auto& [score, computerScore] : {std::pair(10, 20), {21, 41}, {5, 0}})
        points.add(score, computerScore);
    EXPECT_EQ(points.points(), (QList<ScorePoint> {{3, 4, 15.5, 30.5, 21, 41}, {5, 5, 5, 0, 5, 0}}));
}

TEST(RoundFiguresTest, WinsDrawsLossesAndRunsOfWinsOldestFirst)
{
    const struct { const char* rounds; WinRecord expected; } rows[] = {
        {"", {0, 0, 0, 0, 0}}, {"WWW", {3, 0, 0, 3, 3}}, {"WWLW", {3, 0, 1, 1, 2}}, {"LWWWDWW", {5, 1, 1, 2, 3}},
        {"WWWL", {3, 0, 1, 0, 3}}, {"DLD", {0, 2, 1, 0, 0}}};
    for (const auto& row : rows) {
        QList<RoundScores> rounds;
        for (const char* round = row.rounds; *round; ++round)
            rounds.append({0, kStart, *round == 'W' ? 21 : *round == 'D' ? 20 : 19, 20});
        EXPECT_EQ(RoundFigures::winRecord(rounds), row.expected) << row.rounds;
    }
}

TEST(RoundFiguresTest, ScoresFallInEvenBucketsOfTheFewestWidthsThatFit)
{
    const struct { QMap<int, int> counts; qint64 low; qint64 width; QList<int> rounds; } rows[] = {
        {{}, 0, 1, {}}, {{{7, 2}}, 7, 1, {2}}, {{{0, 1}, {12, 1}}, 0, 2, {1, 0, 0, 0, 0, 0, 1}},
        {{{0, 1}, {11, 1}}, 0, 1, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}}, {{{-3, 1}, {20, 2}}, -5, 5, {1, 0, 0, 0, 0, 2}},
        {{{0, 1}, {49, 2}, {50, 4}, {550, 1}}, 0, 50, {3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        {{{1, 1}, {2000, 1}}, 0, 200, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}}, // an edited history's buckets still end:
        {{{INT_MIN, 1}, {INT_MAX, 1}}, -2500000000, 500000000, {1, 0, 0, 0, 0, 0, 0, 0, 0, 1}}};
    for (const auto& row : rows) {
        QList<ScoreBucket> expected;
        for (qint64 low = row.low; const int rounds : row.rounds) {
            expected.append({low, low + row.width - 1, rounds});
            low += row.width;
        }
        EXPECT_EQ(RoundFigures::scoreBuckets(row.counts), expected) << row.counts.size() << " scores from " << row.low;
    }
}

TEST(RoundFiguresTest, BestWordsCountEachWordOnceAtItsBestInOrder)
{
    const QDateTime t[] = {kStart, kStart.addSecs(60), kStart.addSecs(120), kStart.addSecs(180)};
    const struct { QList<BestWord> offered; int count; QList<BestWord> expected; } rows[] = {
        {{{"quizz", 30, t[0]}, {"QUIZZ", 30, t[1]}}, 10, {{"QUIZZ", 30, t[0]}}},
        {{{"jazz", 20, t[0]}, {"quizz", 30, t[1]}, {"JAZZ", 35, t[2]}}, 10, {{"JAZZ", 35, t[2]}, {"QUIZZ", 30, t[1]}}},
        {{{"AAA", 10, t[0]}, {"BBB", 20, t[1]}, {"CCC", 15, t[2]}, {"DDD", 5, t[3]}}, 2, {{"BBB", 20, t[1]}, {"CCC", 15, t[2]}}},
        {{{"AAA", 10, t[0]}}, 2, {{"AAA", 10, t[0]}}}};
    for (const auto& row : rows) {
        RoundFigures::BestWords best(row.count);
        for (const BestWord& word : row.offered)
            best.offer(word.word, word.score, word.playedAt);
        EXPECT_EQ(best.words(), row.expected) << row.offered[0].word.toStdString();
        EXPECT_EQ(best.isFull(), row.expected.size() == row.count);
    }
}

TEST(HistoryCsvTest, KnownHistoryExportsByteForByte)
{
    RoundRecord won = roundOf("Zoë, \"Z\"", 41, 40); // shown in UTC to the second, whatever the offset it was kept in
    won.playedAt = kStart.addMSecs(876).toOffsetFromUtc(3600);
    won.bestPossible = 39; // below the computer's 40, a figure no board gives: exported as unknown
    const QByteArray header = "played_at,player,round_score,computer_score,result,words_made,computer_words,slot_1,slot_1_score,"
                              "slot_2,slot_2_score,slot_3,slot_3_score,slot_4,slot_4_score,slot_5,slot_5_score,best_possible,hints\r\n";
    const QByteArray rest = "2,GARDEN ANCHOR CHOSEN NORMAL SILVER,HARDEN,11,A  H  ,0,CHOSEN,12,NXRMAL,0,,0,,0\r\n";
    EXPECT_EQ(roundsToCsv({won, roundOf("line\nbreak", 40, 40), roundOf("a\rb", 39, 40)}),
              header + "2026-11-30T00:53:20Z,\"Zoë, \"\"Z\"\"\",41,40,won," + rest + "2026-11-30T00:53:20Z,\"line\nbreak\",40,40,drawn,"
                  + rest + "2026-11-30T00:53:20Z,\"a\rb\",39,40,lost," + rest);
    EXPECT_EQ(roundsToCsv({}), header);
    won.hints = 3;
    EXPECT_TRUE(roundsToCsv({won}).endsWith(",,3\r\n"));
    // A field a spreadsheet would run as a formula goes behind an apostrophe.
    for (const auto& [player, field] : {std::pair("=1+2", "'=1+2"), {"+1", "'+1"}, {"-1", "'-1"}, {"@A1", "'@A1"}, {"=a,b", "\"'=a,b\""}, {"a=b", "a=b"}})
        EXPECT_EQ(roundsToCsv({roundOf(player, 41, 40)}), header + "2026-11-30T00:53:20Z," + field + ",41,40,won," + rest) << player;
}

} // namespace
