// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/player/stats_persistence.h"
#include "core/player/stats_text.h"

#include "core/platform/login_name.h"
#include "core/player/user_defaults_store.h"
#include "support/core_resets.h"
#include "support/printed.h"

#include <QDir>

#include <limits>

constexpr const char* kWelcome = "You appear to be a new user, welcome!\n";
constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();
constexpr float kHuge = static_cast<float>(kMax64) / 2147483647.0f;
using StatsStoreTest = StatsTest;

static void writeDocument(const QByteArray& text)
{
    QDir().mkpath(QFileInfo(UserDefaultsStore::standardFilePath()).absolutePath());
    QFile file(UserDefaultsStore::standardFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
}

static QByteArray document() { QFile file(UserDefaultsStore::standardFilePath()); return file.open(QIODevice::ReadOnly) ? file.readAll() : ""; }

// The document holds `entry` as one whole line.
static bool holds(const QByteArray& entry) { return document().contains(entry + ",\n") || document().contains(entry + "\n"); }

// One record key at a time goes through a load and a save: the kind of the key decides, a number of the other kind
// is converted and held at the bounds, and only no number at all reads as absent, with a line naming the key its save replaces.
TEST_F(StatsStoreTest, KeyReadsByItsKindConvertingNumbersAndSaturating)
{
    constexpr double kFloatMax = std::numeric_limits<float>::max();
    const struct { const char* key; QByteArray json; double read; QByteArray written; } cases[] = {
        {"totalPuzzlesSubmitted", "2147483647", 2147483647, "2147483647"}, {"totalPuzzlesSubmitted", "2147483648", 2147483647, "2147483647"},
        {"totalPuzzlesSubmitted", "-2147483649", -2147483648.0, "-2147483648"}, {"totalPuzzlesSubmitted", "{\"int64\": 5000000000}", 2147483647, "2147483647"},
        {"totalPuzzlesSubmitted", "3.5", 3, "3"}, {"totalWordsMade", "-2.9", -2, "-2"}, {"totalWordsMade", "7.0", 7, "7"}, {"totalWordsMade", "\"7\"", 0, "0"},
        {"totalWordsMade", "[7]", 0, "0"}, {"totalScores", "9223372036854775807", 9223372036854775807.0, "9223372036854775807"},
        {"totalScores", "1e19", 9223372036854775807.0, "9223372036854775807"}, {"totalScores", "-1e19", -9223372036854775808.0, "-9223372036854775808"},
        {"totalScores", "9007199254740993", 9007199254740993.0, "9007199254740993"}, {"bestWordScore", "36.9", 36, "36"},
        {"computerTotalScores", "{\"int64\": \"-9223372036854775808\"}", -9223372036854775808.0, "-9223372036854775808"},
        {"averageScore", "17.25", 17.25, "17.25"}, {"averageScore", "1e39", kFloatMax, "3.4028235e+38"},
        {"averageScore", "{\"float\": \"inf\"}", 0, "0"}, {"averageValidWordsPerPuzzle", "3", 3, "3"},
        {"computerAverage", "{\"float\": 12.569999694824219}", 12.57f, "12.57"}, {"averageWordScore", "12.57", 12.57f, "12"},
        {"averageWordScore", "{\"float\": 8.62}", 8.62f, "8"}, {"averageWordScore", "-2147483648", -2147483648.0, "-2147483648"},
        {"averageWordScore", "1e12", 1e12f, "2147483647"}, {"averageWordScore", "2147483648", 2147483648.0, "2147483647"},
        {"bestRoundScore", "-7", -7, "-7"}, {"bestWord", "\"ÉÉÉÉ\"", 0, "\"ÉÉÉ\""},
    };
    for (const auto& row : cases) {
        const QByteArray entry = "{\"" + QByteArray(row.key) + "\": " + row.json + "}";
        writeDocument(row.json.startsWith('{') ? R"({"LastUser": {"string": "ada"}, "ada": {"dictionary": )" + entry + "}}"
                                               : R"({"LastUser": "ada", "ada": )" + entry + "}");
        EXPECT_EQ(printedBy(loadPrefs), "");
        const UserStats& s = gCurrStats;
        const std::map<std::string, double> read {{"totalPuzzlesSubmitted", s.totalPuzzlesSubmitted}, {"totalWordsMade", s.totalWordsMade},
            {"totalScores", s.totalScores}, {"computerTotalScores", s.computerTotalScores}, {"bestWordScore", s.bestWordScore},
            {"bestRoundScore", s.bestRoundScore}, {"averageScore", s.averageScore}, {"averageValidWordsPerPuzzle", s.averageValidWordsPerPuzzle},
            {"computerAverage", s.computerAverage}, {"averageWordScore", s.averageWordScore}, {"bestWord", 0}};
        EXPECT_EQ(read.at(row.key), row.read) << row.json.constData();
        const bool isNoNumber = row.read == 0 && row.written.startsWith('0');
        EXPECT_EQ(printedBy(saveStats).find(row.key) != std::string::npos, isNoNumber) << row.json.constData();
        EXPECT_TRUE(holds("\"" + QByteArray(row.key) + "\": " + row.written)) << row.json.constData() << document().constData();
    }
}

// The first run welcomes the login user and saves LastUser, the record and its eleven keys.
TEST_F(StatsStoreTest, TheFirstRunWelcomesTheLoginUserAndSavesTheElevenKeys)
{
    EXPECT_EQ(printedBy(loadPrefs), kWelcome);
    saveStats();
    EXPECT_EQ(QByteArray(gCurrStats.userName), loginUserName().toUtf8());
    EXPECT_EQ(document().count(": "), 13) << "LastUser, the record and its eleven keys: " << document().constData();
}

// A LastUser that is no name gives way to the login user's; a long one is cut to the limit, within a character.
TEST_F(StatsStoreTest, LastUserIsCutToTheLimitOrReplacedByTheLoginName)
{
    for (const QByteArray& stored : {QByteArray("\"LastUser\""), QByteArray("\"\""), QByteArray("5"), QByteArray("{\"string\": \"LastUser\"}")}) {
        writeDocument("{\"LastUser\": " + stored + "}");
        printedBy(loadPrefs);
        EXPECT_EQ(QString::fromUtf8(gUserName), loginUserName()) << stored.constData();
    }
    writeDocument("{\"LastUser\": \"n" + QByteArray("é").repeated(16) + "\"}"); // 33 bytes: cut to 31, within a character
    printedBy(loadPrefs);
    EXPECT_EQ(QByteArray(gUserName), "n" + QByteArray("é").repeated(15));
}

// A record is read for what it holds and saved whole, a value that is no number as 0.
TEST_F(StatsStoreTest, ARecordIsSavedWholeWithNoNumberAsZero)
{
    writeDocument(R"({"LastUser": "ada", "ada": {"foreign": 1, "bestWord": "QUIZZY", "averageWordScore": 12, "totalWordsMade": 5}})");
    EXPECT_EQ(printedBy(loadPrefs), "") << "a saved player welcomed";
    EXPECT_STREQ(gCurrStats.bestWord, "QUIZZY");
    gCurrStats.averageWordScore = std::numeric_limits<float>::quiet_NaN();
    saveStats();
    EXPECT_FALSE(document().contains("foreign")) << "the record is not replaced whole";
    EXPECT_TRUE(holds("\"averageWordScore\": 0")) << "not a number saved as such";
}

// At quit only the name is saved; a player without a record keeps the first round all the same.
TEST_F(StatsStoreTest, AnotherPlayerStartsAfresh)
{
    writeDocument(R"({"LastUser": "ada", "ada": {"bestWord": "QUIZZY", "averageWordScore": 12, "totalWordsMade": 5}})");
    printedBy(loadPrefs);
    setUserName(QByteArray(31, 'n') + "xyz"); // cut to 31 bytes; another player starts afresh
    EXPECT_EQ(printedBy(loadUserStats), kWelcome);
    EXPECT_EQ(statsText(gCurrStats), "Stats for " + std::string(31, 'n') + ":\n    Average Score: 0.00\n    Average Valid Words Per Puzzle: 0.00\n"
                                     "    Average Word Score: 0.00\n    Total Puzzle Submissions: 0\n    Total Words Made: 0\n"
                                     "    Computer Average: 0.00\n    Best Word: '', 0 points\n    Best Round Score: 0\n");
    saveLastUser(); // at quit: the name only
    EXPECT_FALSE(document().contains("\"" + QByteArray(31, 'n') + "\": {")) << "a record saved at quit";
    EXPECT_TRUE(holds("\"LastUser\": \"" + QByteArray(31, 'n') + "\""));
    submitRound({17, 40, 2, 1});
    EXPECT_EQ(gCurrStats.totalScores, 17) << "the first round of a player with no record yet is lost";
    EXPECT_EQ(gCurrStats.computerAverage, 40.0f) << "the first round of a player with no record yet is lost";
}

// The averages come from the totals after each submission and what is stored reads back the same.
TEST_F(StatsStoreTest, AveragesFollowTheTotalsOverOneTwoAndThreeRoundsAndSaturate)
{
    // The totals show through the averages made of them; the game test holds each total a submission adds.
    const struct { std::vector<RoundTotals> rounds; float averageScore, words, wordScore, computer; } cases[] = {
        {{{17, 40, 2, 1}}, 17.0f, 2.0f, 8.5f, 40.0f},
        {{{0, 40, 0, 1}}, 0.0f, 0.0f, 0.0f, 40.0f},
        {{{17, 40, 2, 1}, {0, 41, 0, 1}}, 8.5f, 1.0f, 8.5f, 40.5f},
        {{{10, 30, 1, 1}, {20, 30, 3, 1}, {5, 31, 1, 1}}, 35.0f / 3.0f, 5.0f / 3.0f, 7.0f, 91.0f / 3.0f},
        {{{kMax64 - 1, kMax64, 2147483647, 2147483646}, {5, 5, 5, 5}}, kHuge, 1.0f, kHuge, kHuge}, // the totals held at their bounds
    };
    for (const auto& row : cases) {
        writeDocument(R"({"LastUser": "ada", "ada": {"bestRoundScore": 30}})");
        printedBy(loadPrefs);
        for (const RoundTotals& round : row.rounds)
            submitRound(round);
        const UserStats s = gCurrStats;
        const std::string rounds = std::to_string(row.rounds.size()) + " round(s) averaging " + std::to_string(row.averageScore);
        EXPECT_EQ(s.bestRoundScore, 30) << rounds << ": the stored best lowered";
        EXPECT_EQ(s.averageScore, row.averageScore) << rounds;
        EXPECT_EQ(s.averageValidWordsPerPuzzle, row.words) << rounds;
        EXPECT_EQ(s.averageWordScore, row.wordScore) << rounds;
        EXPECT_EQ(s.computerAverage, row.computer) << rounds;
    }
    gPrefsDict.reset(), gCurrStats = {}, submitRound({3, 4, 1, 1}); // no store to write to: the round counts in this game all the same
    EXPECT_EQ(gCurrStats.averageScore, 3.0f) << "a round without a store";
    RoundTotals sum {kMax64, -kMax64, 2147483646, -2147483647}; // rounds kept while the store cannot be written
    addRounds(sum, {1, -5, 5, -5});
    EXPECT_EQ(sum.score, kMax64) << "rounds kept aside overflow";
    EXPECT_EQ(sum.computerScore, -kMax64 - 1) << "rounds kept aside overflow";
    EXPECT_EQ(sum.wordsMade, 2147483647) << "rounds kept aside overflow";
    EXPECT_EQ(sum.puzzles, -2147483647 - 1) << "rounds kept aside overflow";
}

// Another game stored rounds since this one loaded: a submission adds to them and keeps the better bests.
TEST_F(StatsStoreTest, SubmissionAddsToWhatAnotherGameStored)
{
    writeDocument(R"({"LastUser": "ada", "ada": {"totalPuzzlesSubmitted": 5, "totalScores": 50, "bestRoundScore": 20}})");
    printedBy(loadPrefs);
    writeDocument(R"({"LastUser": "ada", "ada": {"totalPuzzlesSubmitted": 6, "totalScores": 60, "bestWord": "GARDEN", "bestWordScore": 12, "bestRoundScore": 25}})");
    gCurrStats = {.bestWord = "QUIZZY", .bestWordScore = 12}; // a tie keeps the word stored first
    submitRound({.score = 10, .computerScore = 7, .wordsMade = 2, .puzzles = 1});
    loadUserStats();
    EXPECT_EQ(gCurrStats.averageScore, 10.0f) << "70 over 7 rounds: not added to what another game stored";
    EXPECT_EQ(gCurrStats.bestRoundScore, 25) << "a better stored best lowered";
    EXPECT_STREQ(gCurrStats.bestWord, "GARDEN") << "a tie took the word submitted";
    writeDocument(R"({"LastUser": "ada", "ada": {"totalPuzzlesSubmitted": 9}})"); // and a save keeps what another game stored since
    saveStats();
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 9) << "a save wrote over what another game stored since";
    EXPECT_STREQ(gCurrStats.bestWord, "GARDEN");
}
