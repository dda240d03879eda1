#include "support/core_resets.h"
#include "words/picking.h"
#include "words/text_search.h"
#include "words/vowels.h"

#include <array>
#include <string>
#include <vector>

namespace {

TEST(LettersTest, YIsAVowelExceptAsTheLastLetterAndCountsRunFromOne)
{
    const struct { const char* word; int32_t index, isVowel, nth, nthVowel, nthConsonant; } cases[] = {
        {"rhythm", 2, 1, 1, 2, 0}, {"yearly", 0, 1, 3, 2, 5}, {"smelly", 5, 0, 5, 6, 5}, {"SMELLY", 5, 0, 2, 6, 1},
        {"ABACUS", 0, 1, 3, 4, 5}, {"abacUs", 4, 1, 4, 6, 6}, {"abacus", 1, 0, 0, 6, 6}, {"abacus", 6, 0, -1, 6, 6},
        {"abacus", -1, 0, 2, 2, 3}, {"crwths", 0, 0, 1, 6, 0}, {"aeiou", 4, 1, 1, 0, 5}, {"", 0, 0, 1, 0, 0},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(letterIsVowel(row.word, row.index), row.isVowel) << row.word << " " << row.index;
        EXPECT_EQ(getNthVowel(row.word, row.nth), row.nthVowel) << row.word << " " << row.nth;
        EXPECT_EQ(getNthConsonant(row.word, row.nth), row.nthConsonant) << row.word << " " << row.nth;
    }
}

TEST(LettersTest, TextContainsNeverBacksUpAfterAFailedPartialMatch)
{
    const struct { const char* text; const char* pattern; int8_t matchCase; int32_t found; } cases[] = {
        {"cactus", "c", 1, 0}, {"cactus", "t", 1, 3}, {"cactus", "z", 1, -1}, {"cactus", "", 1, -1},
        {"", "", 0, -1}, {"aab", "ab", 1, -1}, {"cab", "ab", 1, 1}, {"pronoun", "noun", 1, 3},
        {"A NOUN", "noun", 0, 2}, {"A NOUN", "noun", 1, -1}, {"ver", "verb", 1, -1}, {"verb", "verb", 1, 0},
        {"caf\xc3\xa9 noun", "noun", 0, 6}, {"\xff\xfe", "\xfe", 0, 1},
    };
    for (const auto& row : cases)
        EXPECT_EQ(textContains(row.text, row.pattern, row.matchCase), row.found) << row.text << " / " << row.pattern;
}

using PickingTest = WordsTest;

TEST_F(PickingTest, RndStaysBelowItsBoundAndTakesATestSourceOnlyAboveOne)
{
    std::array<int, 6> counts {};
    for (int i = 0; i < 60000; ++i) {
        ASSERT_EQ(rnd(0) + rnd(1), 0);
        const int32_t value = rnd(6);
        ASSERT_TRUE(value >= 0 && value < 6) << value;
        ++counts[value];
    }
    for (const int count : counts)
        EXPECT_TRUE(count > 9000 && count < 11000) << count;
    gRandomSource = [](uint32_t bound) { return bound - 1; };
    EXPECT_EQ(rnd(5), 4);
    EXPECT_EQ(rnd(1), 0);
}

TEST_F(PickingTest, DrawsTakeOneOfTheListRowsAndRowsOutsideTheTableAreEmpty)
{
    char word[7] = "XXXXXX";
    getRandomNLetterWord(word, 6);
    EXPECT_STREQ(word, ""); // an empty list
    useWordList({"abacus", "beacon", "cactus"});
    std::strcpy(gSixWords[kSixWordRows - 1], "zygote");
    std::vector<uint32_t> bounds;
    for (const uint32_t drawn : {0u, 2u}) {
        gRandomSource = [&](uint32_t bound) { bounds.push_back(bound); return drawn; };
        getRandomNLetterWord(word, 6);
        EXPECT_STREQ(word, drawn == 0 ? "abacus" : "cactus");
    }
    EXPECT_EQ(bounds, (std::vector<uint32_t> {3, 3}));
    const struct { int64_t row; const char* word; } rows[] = {
        {-1, ""}, {0, ""}, {1, "abacus"}, {3, "cactus"}, {kSixWordRows - 1, "zygote"}, {kSixWordRows, ""}};
    for (const auto& row : rows) {
        int32_t length = 0;
        int32_t offset = 77;
        getNthWord(row.row, word, &length, &offset);
        EXPECT_STREQ(word, row.word) << row.row;
        EXPECT_EQ(length, 6);
        EXPECT_EQ(offset, 77);
    }
    int32_t offset = 0;
    EXPECT_EQ(findWordInList("zygote", &offset) + findWordInList("", &offset), 2);
    EXPECT_EQ(findWordInList("Beacon", &offset) + findWordInList("beaco", &offset), 0);
}

} // namespace
