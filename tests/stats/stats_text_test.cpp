#include "stats/stats_text.h"

#include "stats/user_stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

TEST(StatsTextTest, NewPlayerShowsZerosAndAnEmptyBestWord)
{
    UserStats stats;
    std::strcpy(stats.userName, "ada");
    EXPECT_EQ(statsText(stats), "Stats for ada:\n"
                                "    Average Score: 0.00\n"
                                "    Average Valid Words Per Puzzle: 0.00\n"
                                "    Average Word Score: 0.00\n"
                                "    Total Puzzle Submissions: 0\n"
                                "    Total Words Made: 0\n"
                                "    Computer Average: 0.00\n"
                                "    Best Word: '', 0 points\n"
                                "    Best Round Score: 0\n");
}

TEST(StatsTextTest, FiguresUseTwoDecimalsAndNoPadding)
{
    UserStats stats;
    std::strcpy(stats.userName, "0123456789012345678901234567890"); // 31 bytes
    stats.averageScore = 17.0f;
    stats.averageValidWordsPerPuzzle = 2.0f;
    stats.averageWordScore = 12.57f;
    stats.computerAverage = 40.0f;
    stats.totalPuzzlesSubmitted = 1;
    stats.totalWordsMade = 2;
    std::strcpy(stats.bestWord, "QUIZZY");
    stats.bestWordScore = 36;
    stats.bestRoundScore = -1;
    const std::string text = statsText(stats);
    EXPECT_NE(text.find("Stats for 0123456789012345678901234567890:\n"), std::string::npos);
    EXPECT_NE(text.find("    Average Word Score: 12.57\n"), std::string::npos);
    EXPECT_NE(text.find("    Computer Average: 40.00\n"), std::string::npos);
    EXPECT_NE(text.find("    Best Word: 'QUIZZY', 36 points\n"), std::string::npos);
    EXPECT_NE(text.find("    Best Round Score: -1\n"), std::string::npos);
}

TEST(StatsTextTest, LargestValuesStillFit)
{
    UserStats stats;
    std::memset(stats.userName, 'n', 31);
    std::memset(stats.bestWord, 'w', 7);
    stats.averageScore = -3.4028235e38f;
    stats.averageWordScore = NAN;
    stats.bestWordScore = INT32_MIN;
    const std::string text = statsText(stats);
    EXPECT_LT(text.size(), 476u);
    EXPECT_NE(text.find("    Average Word Score: nan\n"), std::string::npos);
}

} // namespace
