#include "words/word_list.h"

#include "support/core_resets.h"
#include "support/temporary_resources.h"

#include <string>
#include <vector>

namespace {

class WordListTest : public WordsTest {
protected:
    // Loads `bytes` as the six-letter word file and returns what the load wrote.
    std::string loadSixWords(const QByteArray& bytes)
    {
        m_resources.write(QStringLiteral("SixLetterWords.txt"), bytes);
        testing::internal::CaptureStdout();
        loadSixWordList();
        return testing::internal::GetCapturedStdout();
    }

    static std::vector<std::string> storedRows(int count)
    {
        std::vector<std::string> rows;
        for (int row = 0; row < count; ++row)
            rows.emplace_back(gSixWords[row]);
        return rows;
    }

    TemporaryResources m_resources;
};

TEST_F(WordListTest, EachLineFillsTheNextRow)
{
    const struct {
        const char* bytes;
        std::vector<std::string> rows; // from row 0, one row past the list
        int32_t listMax;
        const char* messages;
    } cases[] = {
        {"abacus\nbeacon\ncactus\n", {"", "abacus", "beacon", "cactus", ""}, 4, ""},
        {"abacus\r\nbeacon\r\ncactus\r\n", {"", "abacus", "beacon", "cactus", ""}, 4, ""},
        {"abacus\nbeacon\ncactus", {"", "abacus", "beacon", "cactus"}, 3, ""},
        {" aba cus\n\tbea\tcon \ncac\xc3\xa9tus\n", {"", "abacus", "beacon", "cactus"}, 4, ""},
        {"abacus\n\nbeacon\n", {"", "abacus", "", "beacon"}, 4, ""},
        {"abacus\nabacuses\nbeacon\ncactuses\ncactus\n", {"", "abacus", "beacon", "cactus", ""}, 4,
         "The word list has 2 line(s) longer than six letters; they were skipped.\n"},
        {"abacus\nbeaconsfield\n", {"", "abacus", ""}, 2,
         "The word list has 1 line(s) longer than six letters; they were skipped.\n"},
        {"abacus\nbeaconsfield", {"", "abacus", ""}, 2, ""}, // after the last line feed: not a line
    };
    for (const auto& row : cases) {
        resetWords();
        EXPECT_EQ(loadSixWords(row.bytes), row.messages) << row.bytes;
        EXPECT_EQ(gSixListMax, row.listMax) << row.bytes;
        EXPECT_EQ(storedRows(static_cast<int>(row.rows.size())), row.rows) << row.bytes;
    }
}

TEST_F(WordListTest, TableTakesItsCapacityAndReportsLinesPastIt)
{
    QByteArray full;
    for (int i = 1; i < kSixWordRows; ++i)
        full += "abacus\n";
    EXPECT_EQ(loadSixWords(full), "");
    EXPECT_EQ(gSixListMax, kSixWordRows);
    EXPECT_EQ(loadSixWords(full + "beacon\ncactus\nfinal"),
              "The word list holds more than 12874 words; 2 line(s) were not stored.\n");
    EXPECT_EQ(gSixListMax, kSixWordRows);
    EXPECT_STREQ(gSixWords[kSixWordRows - 1], "abacus");
}

TEST_F(WordListTest, MissingFilesSayNullListAndLeaveTheTable)
{
    EXPECT_EQ(loadSixWords("abacus\n"), "");
    m_resources.write(QStringLiteral("words_alpha.txt"), "a\naardvark\n");
    loadWordList();
    ASSERT_NE(gWordList, nullptr);
    EXPECT_EQ(*gWordList, "a\naardvark\n");
    const TemporaryResources empty;
    testing::internal::CaptureStdout();
    loadSixWordList();
    loadWordList();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Null list.\nNull list.\n");
    EXPECT_EQ(gSixListMax, 2);
    EXPECT_STREQ(gSixWords[1], "abacus");
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
