#include "words/picking.h"

#include "support/core_resets.h"
#include "words/word_list.h"

#include <array>
#include <cstring>
#include <string>

namespace {

class PickingTest : public WordsTest {
protected:
    static std::string draw()
    {
        char word[7] = "XXXXXX";
        getRandomNLetterWord(word, 6);
        return word;
    }
};

TEST_F(PickingTest, RndOfZeroOrOneIsZero)
{
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(rnd(0), 0);
        EXPECT_EQ(rnd(1), 0);
    }
}

TEST_F(PickingTest, RndSpreadsEvenlyBelowItsBound)
{
    std::array<int, 6> counts {};
    for (int i = 0; i < 60000; ++i) {
        const int32_t value = rnd(6);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 6);
        ++counts[value];
    }
    for (const int count : counts) {
        EXPECT_GT(count, 9000);
        EXPECT_LT(count, 11000);
    }
}

TEST_F(PickingTest, OneWordListAlwaysGivesThatWord)
{
    useWordList({"abacus"});
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(draw(), "abacus");
}

TEST_F(PickingTest, EmptyListGivesTheEmptyWord)
{
    EXPECT_EQ(draw(), "");
}

TEST_F(PickingTest, DrawsComeFromTheListRowsOnly)
{
    useWordList({"abacus", "beacon"});
    std::strcpy(gSixWords[0], "");
    std::strcpy(gSixWords[3], "cactus"); // stored past the list's end, so never drawn
    int abacus = 0;
    for (int i = 0; i < 1000; ++i) {
        const std::string word = draw();
        ASSERT_TRUE(word == "abacus" || word == "beacon") << word;
        abacus += word == "abacus";
    }
    EXPECT_GT(abacus, 400);
    EXPECT_LT(abacus, 600);
}

TEST_F(PickingTest, NthWordCopiesTheRowAndAlwaysSaysSixLetters)
{
    useWordList({"abacus"});
    std::strcpy(gSixWords[2], "ab");
    char word[32] = {};
    int32_t length = 0;
    int32_t offset = 77;
    getNthWord(1, word, &length, &offset);
    EXPECT_STREQ(word, "abacus");
    EXPECT_EQ(length, 6);
    EXPECT_EQ(offset, 77);
    getNthWord(2, word, &length, &offset);
    EXPECT_STREQ(word, "ab");
    EXPECT_EQ(length, 6);
}

TEST_F(PickingTest, NthWordOutsideTheTableGivesTheEmptyWord)
{
    char word[32] = "junk";
    int32_t length = 0;
    getNthWord(kSixWordRows, word, &length, nullptr);
    EXPECT_STREQ(word, "");
    getNthWord(-1, word, &length, nullptr);
    EXPECT_STREQ(word, "");
}

TEST_F(PickingTest, FindWordMatchesExactlyAcrossTheWholeTable)
{
    useWordList({"abacus", "beacon"});
    std::strcpy(gSixWords[kSixWordRows - 1], "zygote");
    int32_t offset = 0;
    EXPECT_EQ(findWordInList("beacon", &offset), 1);
    EXPECT_EQ(findWordInList("zygote", &offset), 1);
    EXPECT_EQ(findWordInList("Beacon", &offset), 0);
    EXPECT_EQ(findWordInList("cactus", &offset), 0);
    EXPECT_EQ(findWordInList("", &offset), 1);
}

} // namespace
