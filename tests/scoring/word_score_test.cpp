#include "scoring/word_score.h"

#include <gtest/gtest.h>

namespace {

TEST(WordScoreTest, EmptyWordScoresNothing)
{
    EXPECT_EQ(scoreWord(""), 0);
}

TEST(WordScoreTest, LettersScoreTheirTableValueInEitherCase)
{
    EXPECT_EQ(scoreWord("planet"), 8);
    EXPECT_EQ(scoreWord("PLANET"), 8);
    EXPECT_EQ(scoreWord("oxygen"), 17);
    EXPECT_EQ(scoreWord("zephyr"), 23);
    EXPECT_EQ(scoreWord("Zephyr"), 23);
    EXPECT_EQ(scoreWord("quizzy"), 36);
}

TEST(WordScoreTest, EveryLetterHasItsValue)
{
    EXPECT_EQ(scoreWord("abcdefghijklmnopqrstuvwxyz"), 87);
    EXPECT_EQ(scoreWord("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 87);
}

TEST(WordScoreTest, EveryOtherByteIsWorthOne)
{
    EXPECT_EQ(scoreWord("a-b"), 5);
    EXPECT_EQ(scoreWord("a b"), 5);
    EXPECT_EQ(scoreWord("7"), 1);
    EXPECT_EQ(scoreWord("[`{@"), 4); // the neighbours of the letter ranges
    EXPECT_EQ(scoreWord("\xc3\xa9"), 2); // each byte of a two-byte character
}

} // namespace
