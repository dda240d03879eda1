#include "words/vowels.h"

#include <gtest/gtest.h>

namespace {

TEST(VowelsTest, YIsAVowelExceptAsTheLastLetter)
{
    EXPECT_EQ(letterIsVowel("rhythm", 2), 1);
    EXPECT_EQ(letterIsVowel("yearly", 0), 1);
    EXPECT_EQ(letterIsVowel("smelly", 5), 0);
    EXPECT_EQ(letterIsVowel("SMELLY", 5), 0);
}

TEST(VowelsTest, VowelsAreFoldedToLowerCase)
{
    EXPECT_EQ(letterIsVowel("ABACUS", 0), 1);
    EXPECT_EQ(letterIsVowel("ABACUS", 1), 0);
    EXPECT_EQ(letterIsVowel("abacUs", 4), 1);
}

TEST(VowelsTest, IndexOutsideTheWordIsNoVowel)
{
    EXPECT_EQ(letterIsVowel("abacus", 6), 0);
    EXPECT_EQ(letterIsVowel("abacus", -1), 0);
    EXPECT_EQ(letterIsVowel("", 0), 0);
}

TEST(VowelsTest, NthVowelCountsFromOneAndGivesTheLengthWhenMissing)
{
    EXPECT_EQ(getNthVowel("abacus", 1), 0);
    EXPECT_EQ(getNthVowel("abacus", 2), 2);
    EXPECT_EQ(getNthVowel("abacus", 3), 4);
    EXPECT_EQ(getNthVowel("abacus", 4), 6);
    EXPECT_EQ(getNthVowel("rhythm", 1), 2);
    EXPECT_EQ(getNthVowel("crwths", 1), 6);
    EXPECT_EQ(getNthVowel("abacus", 0), 6);
    EXPECT_EQ(getNthVowel("abacus", -1), 6);
}

TEST(VowelsTest, NthConsonantCountsEveryNonVowelIncludingAFinalY)
{
    EXPECT_EQ(getNthConsonant("abacus", 1), 1);
    EXPECT_EQ(getNthConsonant("rhythm", 1), 0);
    EXPECT_EQ(getNthConsonant("smelly", 5), 5);
    EXPECT_EQ(getNthConsonant("aeiou", 1), 5);
}

} // namespace
