#include "words/word_list.h"

#include "support/globals.h"
#include "support/temporary_resources.h"

#include <string>

namespace {

class WordListTest : public GameTest {
protected:
    // Loads `bytes` as the six-letter word file and returns what the load wrote.
    std::string loadSixWords(const QByteArray& bytes)
    {
        m_resources.write(QStringLiteral("SixLetterWords.txt"), bytes);
        testing::internal::CaptureStdout();
        loadSixWordList();
        return testing::internal::GetCapturedStdout();
    }

    static QByteArray linesOfWords(int count)
    {
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes += "abacus\n";
        return bytes;
    }

    TemporaryResources m_resources;
};

TEST_F(WordListTest, EachLineFillsTheNextRowAndRowZeroStaysEmpty)
{
    EXPECT_EQ(loadSixWords("abacus\nbeacon\ncactus\n"), "");
    EXPECT_EQ(gSixListMax, 4);
    EXPECT_STREQ(gSixWords[0], "");
    EXPECT_STREQ(gSixWords[1], "abacus");
    EXPECT_STREQ(gSixWords[2], "beacon");
    EXPECT_STREQ(gSixWords[3], "cactus");
}

TEST_F(WordListTest, CarriageReturnLineEndsReadTheSame)
{
    loadSixWords("abacus\r\nbeacon\r\ncactus\r\n");
    EXPECT_EQ(gSixListMax, 4);
    EXPECT_STREQ(gSixWords[1], "abacus");
    EXPECT_STREQ(gSixWords[3], "cactus");
}

TEST_F(WordListTest, WordAfterTheLastLineFeedIsStoredButNotCounted)
{
    loadSixWords("abacus\nbeacon\ncactus");
    EXPECT_EQ(gSixListMax, 3);
    EXPECT_STREQ(gSixWords[3], "cactus");
}

TEST_F(WordListTest, SpacesTabsAndBytesAboveAsciiAreSkipped)
{
    loadSixWords(" aba cus\n\tbea\tcon \ncac\xc3\xa9tus\n");
    EXPECT_EQ(gSixListMax, 4);
    EXPECT_STREQ(gSixWords[1], "abacus");
    EXPECT_STREQ(gSixWords[2], "beacon");
    EXPECT_STREQ(gSixWords[3], "cactus");
}

TEST_F(WordListTest, BlankLineStoresAnEmptyWord)
{
    loadSixWords("abacus\n\nbeacon\n");
    EXPECT_EQ(gSixListMax, 4);
    EXPECT_STREQ(gSixWords[2], "");
    EXPECT_STREQ(gSixWords[3], "beacon");
}

TEST_F(WordListTest, MissingFileSaysNullListOnceAndLeavesTheTable)
{
    EXPECT_EQ(loadSixWords("abacus\n"), "");
    const TemporaryResources withoutWordFile;
    testing::internal::CaptureStdout();
    loadSixWordList();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Null list.\n");
    EXPECT_EQ(gSixListMax, 2);
    EXPECT_STREQ(gSixWords[1], "abacus");
    EXPECT_EQ(gWordList, nullptr);
}

TEST_F(WordListTest, OverLongLinesAreSkippedAndReportedOnce)
{
    const std::string messages = loadSixWords("abacus\nabacuses\nbeacon\ncactuses\ncactus\n");
    EXPECT_EQ(messages, "The word list has 2 line(s) longer than six letters; they were skipped.\n");
    EXPECT_EQ(gSixListMax, 4);
    EXPECT_STREQ(gSixWords[1], "abacus");
    EXPECT_STREQ(gSixWords[2], "beacon");
    EXPECT_STREQ(gSixWords[3], "cactus");
    EXPECT_STREQ(gSixWords[4], "");
}

TEST_F(WordListTest, OverLongLastLineLeavesNoPartOfItBehind)
{
    loadSixWords("abacus\nbeaconsfield\n");
    EXPECT_EQ(gSixListMax, 2);
    EXPECT_STREQ(gSixWords[2], "");
}

TEST_F(WordListTest, FullTableTakesEveryLineWithoutComplaint)
{
    EXPECT_EQ(loadSixWords(linesOfWords(kSixWordRows - 1)), "");
    EXPECT_EQ(gSixListMax, kSixWordRows);
    EXPECT_STREQ(gSixWords[kSixWordRows - 1], "abacus");
}

TEST_F(WordListTest, LinesPastTheTableAreDroppedAndReported)
{
    const std::string messages = loadSixWords(linesOfWords(kSixWordRows - 1) + "beacon\ncactus\nfinal");
    EXPECT_EQ(messages, "The word list holds more than 12874 words; 2 line(s) were not stored.\n");
    EXPECT_EQ(gSixListMax, kSixWordRows);
    EXPECT_STREQ(gSixWords[kSixWordRows - 1], "abacus");
}

TEST_F(WordListTest, SecondWordFileLoadsWithoutTouchingTheTable)
{
    loadSixWords("abacus\n");
    m_resources.write(QStringLiteral("words_alpha.txt"), "a\naardvark\n");
    loadWordList();
    ASSERT_NE(gWordList, nullptr);
    EXPECT_EQ(*gWordList, "a\naardvark\n");
    EXPECT_EQ(gSixListMax, 2);
    EXPECT_STREQ(gSixWords[1], "abacus");
}

TEST_F(WordListTest, MissingSecondWordFileSaysNullList)
{
    testing::internal::CaptureStdout();
    loadWordList();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Null list.\n");
    EXPECT_EQ(gWordList, nullptr);
}

TEST_F(WordListTest, NewListWritesEveryWordOncePerLine)
{
    loadSixWords("abacus\nbeacon\ncactus\n");
    testing::internal::CaptureStdout();
    createNewList();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "abacus\nbeacon\ncactus\n");
}

} // namespace
