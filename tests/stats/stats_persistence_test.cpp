#include "stats/stats_persistence.h"

#include "platform/login_name.h"
#include "platform/user_defaults_store.h"
#include "stats/user_stats.h"
#include "support/core_resets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <limits>

namespace {

class StatsPersistenceTest : public StatsTest {
protected:
    static QString storePath() { return UserDefaultsStore::standardFilePath(); }

    static void writeDocument(const QByteArray& text)
    {
        QDir().mkpath(QFileInfo(storePath()).absolutePath());
        QFile file(storePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    static QByteArray document()
    {
        QFile file(storePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The document holds `entry` as one whole line.
    static bool holds(const QByteArray& text, const QByteArray& entry)
    {
        return text.contains(entry + ",\n") || text.contains(entry + "\n");
    }

    static std::string loadPrefsCapturing()
    {
        testing::internal::CaptureStdout();
        loadPrefs();
        return testing::internal::GetCapturedStdout();
    }
};

constexpr const char* kWelcome = "You appear to be a new user, welcome!\n";

TEST_F(StatsPersistenceTest, FirstRunWelcomesTheLoginUserAndSavesAllElevenKeysPlain)
{
    EXPECT_EQ(loadPrefsCapturing(), kWelcome);
    EXPECT_EQ(QString::fromUtf8(gUserName), loginUserName());
    EXPECT_STREQ(gCurrStats.userName, gUserName);
    saveStats();
    const QByteArray text = document();
    for (const char* entry : {"\"averageScore\": 0.0", "\"averageWordScore\": 0", "\"bestWord\": \"\"",
                              "\"totalScores\": 0", "\"computerAverage\": 0.0"})
        EXPECT_TRUE(holds(text, entry)) << entry << "\n" << text.constData();
    EXPECT_EQ(text.count(": "), 13); // LastUser, the record, and its eleven keys
}

struct Stored {
    const char* key;
    QByteArray json;      // under the key in a plain record
    QByteArray written;   // what the next save writes there
};

class RecordReadingTest : public StatsPersistenceTest, public testing::WithParamInterface<Stored> {};

// One record key at a time goes through a load and a save: the kind of the key decides.
TEST_P(RecordReadingTest, KeyReadsByItsKindAndOutOfRangeReadsAsAbsent)
{
    const Stored row = GetParam();
    const QByteArray entry = "{\"" + QByteArray(row.key) + "\": " + row.json + "}";
    writeDocument(row.json.startsWith('{') ? R"({"LastUser": {"string": "ada"}, "ada": {"dictionary": )" + entry + "}}"
                                           : R"({"LastUser": "ada", "ada": )" + entry + "}");
    EXPECT_EQ(loadPrefsCapturing(), "");
    saveStats();
    EXPECT_TRUE(holds(document(), "\"" + QByteArray(row.key) + "\": " + row.written)) << document().constData();
}

INSTANTIATE_TEST_SUITE_P(Keys, RecordReadingTest, testing::Values(
    Stored {"totalPuzzlesSubmitted", "2147483647", "2147483647"},
    Stored {"totalPuzzlesSubmitted", "2147483648", "0"},
    Stored {"totalPuzzlesSubmitted", "-2147483649", "0"},
    Stored {"totalPuzzlesSubmitted", "{\"int64\": 5000000000}", "0"},
    Stored {"totalWordsMade", "7.0", "7"},
    Stored {"totalWordsMade", "2.5", "0"},
    Stored {"totalWordsMade", "\"7\"", "0"},
    Stored {"totalScores", "9223372036854775807", "9223372036854775807"},
    Stored {"totalScores", "16777217", "16777217"},
    Stored {"totalScores", "9007199254740993", "9007199254740993"},
    Stored {"totalScores", "1e19", "0"},
    Stored {"computerTotalScores", "{\"int64\": \"-9223372036854775808\"}", "-9223372036854775808"},
    Stored {"averageScore", "17.25", "17.25"},
    Stored {"averageScore", "1e39", "0.0"},
    Stored {"averageScore", "{\"float\": \"inf\"}", "0.0"},
    Stored {"computerAverage", "{\"float\": 12.569999694824219}", "12.57"},
    Stored {"averageValidWordsPerPuzzle", "3", "3.0"},
    Stored {"averageWordScore", "12", "12"},
    Stored {"averageWordScore", "12.57", "0"},
    Stored {"bestWordScore", "36", "36"},
    Stored {"bestWord", "\"ÉÉÉÉ\"", "\"ÉÉÉ\""},
    Stored {"bestWord", "5", "\"\""}));

TEST_F(StatsPersistenceTest, LastUserThatCannotBeAPlayerIsAbsent)
{
    for (const QByteArray& stored : {QByteArray("\"LastUser\""), QByteArray("\"\""), QByteArray("5"),
                                     '"' + QByteArray(32, 'n') + '"', QByteArray("{\"string\": \"LastUser\"}")}) {
        writeDocument("{\"LastUser\": " + stored + "}");
        loadPrefsCapturing();
        EXPECT_EQ(QString::fromUtf8(gUserName), loginUserName()) << stored.constData();
    }
    writeDocument("{\"LastUser\": \"" + QByteArray(31, 'n') + "\"}");
    EXPECT_EQ(loadPrefsCapturing(), kWelcome);
    EXPECT_EQ(QByteArray(gUserName), QByteArray(31, 'n'));
}

TEST_F(StatsPersistenceTest, SaveReplacesTheRecordWholeAndAverageWordScoreIsWhole)
{
    writeDocument(R"({"LastUser": "ada", "ada": {"foreign": 1, "bestWord": "QUIZZY", "totalWordsMade": 5}})");
    loadPrefsCapturing();
    EXPECT_STREQ(gCurrStats.bestWord, "QUIZZY");
    gCurrStats.averageWordScore = 12.57f;
    gCurrStats.averageScore = 17.57f;
    saveStats();
    EXPECT_FALSE(document().contains("foreign"));
    for (const float odd : {NAN, INFINITY, 3e9f}) {
        gCurrStats.averageWordScore = odd;
        saveStats();
        EXPECT_TRUE(holds(document(), "\"averageWordScore\": 0")) << odd << document().constData();
    }
    gCurrStats.averageWordScore = 12.57f;
    saveStats();
    gCurrStats = {};
    loadUserStats();
    EXPECT_EQ(gCurrStats.averageWordScore, 12.0f);
    EXPECT_EQ(gCurrStats.averageScore, 17.57f);
    EXPECT_EQ(gCurrStats.totalWordsMade, 5);

    // Another player, even one whose name differs only in case, starts afresh: no bests kept.
    setUserName("Ada");
    testing::internal::CaptureStdout();
    loadUserStats();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), kWelcome);
    EXPECT_STREQ(gCurrStats.bestWord, "");
    saveLastUser(); // at quit: the name only
    EXPECT_FALSE(document().contains("\"Ada\": {"));
    EXPECT_TRUE(document().contains("\"LastUser\": \"Ada\""));
}

struct Rounds {
    const char* name;
    std::vector<RoundTotals> rounds;
    RoundTotals total;
    float averageScore, averageValidWords, averageWordScore, computerAverage;
};

class SubmissionTest : public StatsPersistenceTest, public testing::WithParamInterface<Rounds> {};

// The averages come from the totals after each submission, and what is stored reads back
// the same (averageWordScore as a whole number).
TEST_P(SubmissionTest, AveragesFollowTheTotals)
{
    const Rounds row = GetParam();
    writeDocument(R"({"LastUser": "ada", "ada": {"bestRoundScore": 30}})");
    loadPrefsCapturing();
    for (const RoundTotals& round : row.rounds) {
        submitRound(round);
        saveStats();
    }
    EXPECT_EQ(gCurrStats.totalScores, row.total.score);
    EXPECT_EQ(gCurrStats.computerTotalScores, row.total.computerScore);
    EXPECT_EQ(gCurrStats.totalWordsMade, row.total.wordsMade);
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, row.total.puzzles);
    EXPECT_EQ(gCurrStats.averageScore, row.averageScore);
    EXPECT_EQ(gCurrStats.averageValidWordsPerPuzzle, row.averageValidWords);
    EXPECT_EQ(gCurrStats.averageWordScore, row.averageWordScore);
    EXPECT_EQ(gCurrStats.computerAverage, row.computerAverage);
    EXPECT_EQ(gCurrStats.bestRoundScore, 30);
    const UserStats before = gCurrStats;
    loadUserStats();
    EXPECT_EQ(gCurrStats.totalScores, before.totalScores);
    EXPECT_EQ(gCurrStats.averageScore, before.averageScore);
    const bool fits = before.averageWordScore < 2147483648.0f;
    EXPECT_EQ(gCurrStats.averageWordScore, fits ? std::trunc(before.averageWordScore) : 0.0f);
}

constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();

INSTANTIATE_TEST_SUITE_P(Rounds, SubmissionTest, testing::Values(
    Rounds {"One", {{17, 40, 2, 1}}, {17, 40, 2, 1}, 17.0f, 2.0f, 8.5f, 40.0f},
    Rounds {"NoWordsYet", {{0, 40, 0, 1}}, {0, 40, 0, 1}, 0.0f, 0.0f, 0.0f, 40.0f},
    Rounds {"Two", {{17, 40, 2, 1}, {0, 41, 0, 1}}, {17, 81, 2, 2}, 8.5f, 1.0f, 8.5f, 40.5f},
    Rounds {"Three", {{10, 30, 1, 1}, {20, 30, 3, 1}, {5, 31, 1, 1}}, {35, 91, 5, 3},
            35.0f / 3.0f, static_cast<float>(5.0 * (5.0 / 15.0)), 7.0f, 91.0f / 3.0f},
    Rounds {"Saturating", {{kMax64 - 1, kMax64, 2147483647, 2147483646}, {5, 5, 5, 5}},
            {kMax64, kMax64, 2147483647, 2147483647}, static_cast<float>(kMax64) / 2147483647.0f, 1.0f,
            static_cast<float>(kMax64) / 2147483647.0f, static_cast<float>(kMax64) / 2147483647.0f}),
    [](const auto& info) { return std::string(info.param.name); });

// Another game for the same player stores rounds between this game's load and its
// submission: the submission adds to them, and the better bests of both are kept.
TEST_F(StatsPersistenceTest, SubmissionAddsToWhatAnotherGameStored)
{
    writeDocument(R"({"LastUser": "ada", "ada": {"totalPuzzlesSubmitted": 5, "totalScores": 50, "bestWord": "GARDEN", "bestWordScore": 12, "bestRoundScore": 20}})");
    loadPrefsCapturing();
    saveStats();
    writeDocument(R"({"LastUser": "ada", "ada": {"totalPuzzlesSubmitted": 6, "totalScores": 60, "bestWord": "GARDEN", "bestWordScore": 12, "bestRoundScore": 25}})");
    std::strcpy(gCurrStats.bestWord, "QUIZZY");
    gCurrStats.bestWordScore = 36;
    submitRound({.score = 10, .computerScore = 7, .wordsMade = 2, .puzzles = 1});
    saveStats();
    loadUserStats();
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 7);
    EXPECT_EQ(gCurrStats.totalScores, 70);
    EXPECT_EQ(gCurrStats.averageScore, 10.0f);
    EXPECT_STREQ(gCurrStats.bestWord, "QUIZZY");
    EXPECT_EQ(gCurrStats.bestRoundScore, 25);
}

TEST_F(StatsPersistenceTest, TwoProcessesSubmittingForOnePlayerBothCount)
{
    const QString writer = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("store_writer"));
    QDir().mkpath(QFileInfo(storePath()).absolutePath());
    QProcess first, second;
    first.start(writer, {storePath(), "ada", "30", "rounds"});
    second.start(writer, {storePath(), "ada", "30", "rounds"});
    ASSERT_TRUE(first.waitForFinished(60000));
    ASSERT_TRUE(second.waitForFinished(60000));
    gPrefsDict = std::make_unique<UserDefaultsStore>(storePath());
    setUserName("ada");
    loadUserStats();
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 60);
    EXPECT_EQ(gCurrStats.totalScores, 600);
    EXPECT_EQ(gCurrStats.totalWordsMade, 120);
    EXPECT_EQ(gCurrStats.computerAverage, 7.0f);
}

} // namespace
