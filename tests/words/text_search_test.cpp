#include "words/text_search.h"

#include <gtest/gtest.h>

namespace {

TEST(TextSearchTest, OneLetterPatternFindsTheFirstOccurrence)
{
    EXPECT_EQ(textContains("cactus", "c", 1), 0);
    EXPECT_EQ(textContains("cactus", "t", 1), 3);
    EXPECT_EQ(textContains("cactus", "z", 1), -1);
}

TEST(TextSearchTest, EmptyPatternIsNeverFound)
{
    EXPECT_EQ(textContains("cactus", "", 1), -1);
    EXPECT_EQ(textContains("", "", 1), -1);
    EXPECT_EQ(textContains("cactus", "", 0), -1);
}

TEST(TextSearchTest, FailedPartialMatchDoesNotBackUp)
{
    EXPECT_EQ(textContains("aab", "ab", 1), -1);
    EXPECT_EQ(textContains("cab", "ab", 1), 1);
    EXPECT_EQ(textContains("pronoun", "noun", 1), 3);
}

TEST(TextSearchTest, CaseMattersOnlyWhenAskedTo)
{
    EXPECT_EQ(textContains("A NOUN", "noun", 0), 2);
    EXPECT_EQ(textContains("A NOUN", "noun", 1), -1);
}

TEST(TextSearchTest, PatternLongerThanTextIsNotFound)
{
    EXPECT_EQ(textContains("ver", "verb", 1), -1);
    EXPECT_EQ(textContains("", "a", 1), -1);
}

TEST(TextSearchTest, BytesAboveAsciiCompareWithoutHarm)
{
    EXPECT_EQ(textContains("caf\xc3\xa9 noun", "noun", 0), 6);
    EXPECT_EQ(textContains("\xff\xfe", "\xfe", 0), 1);
}

} // namespace
