#include "stats/stats_persistence.h"

#include "platform/login_name.h"
#include "platform/user_defaults_store.h"
#include "stats/user_stats.h"
#include "support/globals.h"

#include <cstring>

namespace {

class StatsPersistenceTest : public GameTest {
protected:
    static UserDefaultsStore store() { return UserDefaultsStore(UserDefaultsStore::standardFilePath()); }

    static StoreDictionary recordOf(const QString& name)
    {
        const auto stored = store().objectForKey(name);
        return stored ? std::get<StoreDictionary>(*stored) : StoreDictionary {};
    }

    static std::string loadPrefsCapturing()
    {
        testing::internal::CaptureStdout();
        loadPrefs();
        return testing::internal::GetCapturedStdout();
    }
};

TEST_F(StatsPersistenceTest, FirstRunWelcomesTheLoginUserWithNothingSaved)
{
    EXPECT_EQ(loadPrefsCapturing(), "You appear to be a new user, welcome!\n");
    EXPECT_EQ(QString::fromUtf8(gUserName), loginUserName());
    EXPECT_STREQ(gCurrStats.userName, gUserName);
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 0);
    EXPECT_FALSE(store().objectForKey("LastUser").has_value());
}

TEST_F(StatsPersistenceTest, SaveWritesTheLastUserAndAllElevenKeys)
{
    loadPrefsCapturing();
    saveStats();
    EXPECT_EQ(std::get<QString>(*store().objectForKey("LastUser")), QString::fromUtf8(gUserName));
    const StoreDictionary record = recordOf(QString::fromUtf8(gUserName));
    EXPECT_EQ(record.size(), 11u);
    EXPECT_EQ(std::get<QString>(record.at("bestWord")), QString());
    EXPECT_TRUE(std::holds_alternative<int64_t>(record.at("totalScores")));
    EXPECT_TRUE(std::holds_alternative<int32_t>(record.at("averageWordScore")));
    EXPECT_TRUE(std::holds_alternative<float>(record.at("averageScore")));
}

TEST_F(StatsPersistenceTest, LastUserIsChosenAndTheirRecordLoaded)
{
    store().setObject("LastUser", QStringLiteral("ada"));
    store().setObject("ada", StoreDictionary {{"averageScore", 17.5f},
                                              {"averageWordScore", int32_t {12}},
                                              {"totalScores", int64_t {1} << 40},
                                              {"totalPuzzlesSubmitted", int32_t {3}},
                                              {"bestWord", QStringLiteral("QUIZZY")},
                                              {"bestWordScore", int32_t {36}}});
    EXPECT_EQ(loadPrefsCapturing(), "");
    EXPECT_STREQ(gUserName, "ada");
    EXPECT_EQ(gCurrStats.averageScore, 17.5f);
    EXPECT_EQ(gCurrStats.averageWordScore, 12.0f);
    EXPECT_EQ(gCurrStats.totalScores, int64_t {1} << 40);
    EXPECT_EQ(gCurrStats.totalPuzzlesSubmitted, 3);
    EXPECT_EQ(gCurrStats.totalWordsMade, 0); // absent
    EXPECT_STREQ(gCurrStats.bestWord, "QUIZZY");
    EXPECT_EQ(gCurrStats.bestWordScore, 36);
    EXPECT_EQ(gCurrStats.bestRoundScore, 0); // absent
}

TEST_F(StatsPersistenceTest, LastUserWithoutARecordStartsAsANewPlayer)
{
    store().setObject("LastUser", QStringLiteral("gone"));
    EXPECT_EQ(loadPrefsCapturing(), "You appear to be a new user, welcome!\n");
    EXPECT_STREQ(gUserName, "gone");
}

TEST_F(StatsPersistenceTest, AverageWordScoreIsStoredAsAWholeNumber)
{
    loadPrefsCapturing();
    gCurrStats.averageWordScore = 12.57f;
    gCurrStats.averageScore = 17.57f;
    saveStats();
    EXPECT_EQ(std::get<int32_t>(recordOf(QString::fromUtf8(gUserName)).at("averageWordScore")), 12);
    gCurrStats = {};
    loadUserStats();
    EXPECT_EQ(gCurrStats.averageWordScore, 12.0f);
    EXPECT_EQ(gCurrStats.averageScore, 17.57f);
}

TEST_F(StatsPersistenceTest, AveragesThatAreNoNumberStoreAsZero)
{
    loadPrefsCapturing();
    for (const float odd : {NAN, INFINITY, -INFINITY, 3e9f}) {
        gCurrStats.averageWordScore = odd;
        saveStats();
        EXPECT_EQ(std::get<int32_t>(recordOf(QString::fromUtf8(gUserName)).at("averageWordScore")), 0);
    }
}

TEST_F(StatsPersistenceTest, SecondSaveReplacesTheFirstWhole)
{
    setUserName("ada");
    store().setObject("ada", StoreDictionary {{"foreign", int32_t {1}}, {"totalWordsMade", int32_t {5}}});
    gPrefsDict = std::make_unique<UserDefaultsStore>(UserDefaultsStore::standardFilePath());
    loadUserStats();
    saveStats();
    const StoreDictionary record = recordOf("ada");
    EXPECT_EQ(record.count("foreign"), 0u);
    EXPECT_EQ(std::get<int32_t>(record.at("totalWordsMade")), 5);
}

TEST_F(StatsPersistenceTest, NamesDifferingInCaseAreTwoPlayers)
{
    gPrefsDict = std::make_unique<UserDefaultsStore>(UserDefaultsStore::standardFilePath());
    setUserName("Ada");
    gCurrStats.totalWordsMade = 7;
    saveStats();
    setUserName("ada");
    testing::internal::CaptureStdout();
    loadUserStats();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "You appear to be a new user, welcome!\n");
    EXPECT_EQ(gCurrStats.totalWordsMade, 0);
}

TEST_F(StatsPersistenceTest, MissingBestsNeverKeepTheOutgoingPlayersBests)
{
    gPrefsDict = std::make_unique<UserDefaultsStore>(UserDefaultsStore::standardFilePath());
    store().setObject("bob", StoreDictionary {{"totalWordsMade", int32_t {1}}});
    std::strcpy(gCurrStats.bestWord, "ZEPHYR");
    gCurrStats.bestWordScore = 23;
    gCurrStats.bestRoundScore = 40;
    setUserName("bob");
    loadUserStats();
    EXPECT_STREQ(gCurrStats.bestWord, "");
    EXPECT_EQ(gCurrStats.bestWordScore, 0);
    EXPECT_EQ(gCurrStats.bestRoundScore, 0);
}

TEST_F(StatsPersistenceTest, OverlongStoredTextIsCutAtACharacterBoundary)
{
    const QString longName = QString(15, u'a') + QString(10, QChar(0x00E9)); // 15 + 20 bytes
    store().setObject("LastUser", longName);
    store().setObject(longName.left(23), StoreDictionary {{"bestWord", QStringLiteral("ÉÉÉÉ")}});
    loadPrefsCapturing();
    EXPECT_EQ(std::strlen(gUserName), 31u);
    EXPECT_EQ(QString::fromUtf8(gUserName), longName.left(23));
    EXPECT_EQ(QString::fromUtf8(gCurrStats.bestWord), QStringLiteral("ÉÉÉ"));
}

TEST_F(StatsPersistenceTest, ForeignValuesReadAsAbsent)
{
    store().setObject("LastUser", int32_t {5});
    store().setObject(loginUserName(), QStringLiteral("not a record"));
    EXPECT_EQ(loadPrefsCapturing(), "You appear to be a new user, welcome!\n");
    EXPECT_EQ(QString::fromUtf8(gUserName), loginUserName());
}

TEST_F(StatsPersistenceTest, QuittingStoresTheLastUserAndNothingElse)
{
    gPrefsDict = std::make_unique<UserDefaultsStore>(UserDefaultsStore::standardFilePath());
    setUserName("ada");
    gCurrStats.bestWordScore = 99;
    saveLastUser();
    EXPECT_EQ(std::get<QString>(*store().objectForKey("LastUser")), QStringLiteral("ada"));
    EXPECT_FALSE(store().objectForKey("ada").has_value());
}

} // namespace
