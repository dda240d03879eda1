#include "words/word_list.h"

#include "support/core_resets.h"
#include "support/printed.h"
#include "support/temporary_resources.h"
#include "words/dictionary_check.h"
#include "words/vowels.h"

#include <set>
#include <string>

namespace {

using WordListTest = WordsTest;

std::string repeated(const std::string& text, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

TEST_F(WordListTest, EachLineFillsTheNextRowAndWhatCannotBeStoredIsReportedOnce)
{
    const std::string full = repeated("abacus\n", kSixWordRows - 2) + "zygote\n";
    const struct {
        std::string bytes;
        std::string list;  // rows 1 .. gSixListMax - 1, each followed by a space
        std::string after; // the row after the list, when there is one
        std::string messages;
    } cases[] = {
        {"abacus\nbeacon\n", "abacus beacon ", "", ""},
        {"abacus\r\nbeacon\r\n", "abacus beacon ", "", ""},
        {"abacus\n\nbeacon\n", "abacus  beacon ", "", ""},
        {" aba cus\n\tbea\tcon \ncac\xc3\xa9tus\n", "abacus beacon cactus ", "", ""},
        {"abacus\ngardens\nbeacon\ncactuses\ncactus\n", "abacus beacon cactus ", "",
         "The word list has 2 line(s) longer than six letters; they were skipped.\n"},
        {"abacus\nbeaconsfield\n", "abacus ", "", // the cut row is cleared
         "The word list has 1 line(s) longer than six letters; they were skipped.\n"},
        {"abacus\nbeacon", "abacus ", "beacon", ""}, // only a line feed ends a line
        {"abacus\nbeaconsfield", "abacus ", "", ""},
        {full, repeated("abacus ", kSixWordRows - 2) + "zygote ", "", ""},
        {full + "beacon\ncactus\nfinal", repeated("abacus ", kSixWordRows - 2) + "zygote ", "",
         "The word list holds more than 12874 words; 2 line(s) were not stored.\n"},
    };
    for (const auto& row : cases) {
        resetWords();
        EXPECT_EQ(printedBy([&] { storeSixWordList(QByteArray::fromStdString(row.bytes)); }), row.messages);
        std::string list;
        for (int i = 1; i < gSixListMax; ++i)
            list += gSixWords[i] + std::string(" ");
        EXPECT_EQ(list, row.list) << row.bytes.substr(0, 40);
        EXPECT_EQ(gSixListMax < kSixWordRows ? gSixWords[gSixListMax] : "", row.after) << row.bytes.substr(0, 40);
        EXPECT_STREQ(gSixWords[0], "");
    }
}

TEST_F(WordListTest, FilesAreReadFromTheResourcesAndAMissingOneLeavesTheTable)
{
    {
        const TemporaryResources resources;
        resources.write(QStringLiteral("SixLetterWords.txt"), "abacus\nbeacon\n");
        resources.write(QStringLiteral("words_alpha.txt"), "a\naardvark\n");
        loadSixWordList();
        loadWordList();
        EXPECT_EQ(*gWordList, "a\naardvark\n");
        EXPECT_EQ(printedBy(createNewList), "abacus\nbeacon\n");
    }
    const TemporaryResources empty;
    EXPECT_EQ(printedBy([] { loadSixWordList(); loadWordList(); }), "Null list.\nNull list.\n");
    EXPECT_EQ(gSixListMax, 3);
    EXPECT_STREQ(gSixWords[2], "beacon");
    EXPECT_EQ(gWordList, nullptr);
}

// The puzzle chains five words through shared letters; a regenerated list that breaks
// one of these rules would hang a draw.
TEST_F(WordListTest, ShippedListLoadsCleanlyAndEveryWordCanBeChainedAndIsAWord)
{
    EXPECT_EQ(printedBy(loadSixWordList), "");
    ASSERT_GT(gSixListMax, 6000);
    std::set<char> firstLetters;
    for (int row = 1; row < gSixListMax; ++row)
        firstLetters.insert(gSixWords[row][0]);
    for (int row = 1; row < gSixListMax; ++row) {
        const std::string word = gSixWords[row];
        ASSERT_EQ(word.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << word;
        ASSERT_EQ(word.size(), 6u) << word;
        const int firstVowel = getNthVowel(word.c_str(), 1);
        ASSERT_LT(firstVowel, 6) << word;
        for (const char link : {word[firstVowel], word[3], word[5]})
            ASSERT_TRUE(firstLetters.count(link)) << word << " " << link;
        ASSERT_TRUE(isWord(QString::fromStdString(word))) << word;
    }
}

} // namespace
