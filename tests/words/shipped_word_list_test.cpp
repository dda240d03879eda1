#include "words/word_list.h"

#include "support/core_resets.h"
#include "words/vowels.h"

#include <set>
#include <string>

namespace {

// The puzzle chains five words through shared letters; it can always finish only when the
// shipped list meets these rules. A regenerated list that breaks one would hang a draw.
class ShippedWordListTest : public WordsTest {
protected:
    void SetUp() override
    {
        WordsTest::SetUp();
        testing::internal::CaptureStdout();
        loadSixWordList();
        m_messages = testing::internal::GetCapturedStdout();
        for (int row = 1; row < gSixListMax; ++row)
            m_firstLetters.insert(gSixWords[row][0]);
    }

    bool beginsSomeWord(char letter) const { return m_firstLetters.count(letter) > 0; }

    std::string m_messages;
    std::set<char> m_firstLetters;
};

TEST_F(ShippedWordListTest, LoadsCleanlyWithRoomToSpare)
{
    EXPECT_EQ(m_messages, "");
    EXPECT_GT(gSixListMax, 6000);
    EXPECT_LT(gSixListMax, kSixWordRows);
}

TEST_F(ShippedWordListTest, EveryWordIsSixLowerCaseLetters)
{
    for (int row = 1; row < gSixListMax; ++row) {
        const std::string word = gSixWords[row];
        ASSERT_EQ(word.size(), 6u) << "row " << row;
        for (const char letter : word)
            ASSERT_TRUE(letter >= 'a' && letter <= 'z') << word;
    }
}

TEST_F(ShippedWordListTest, EveryWordCanBeChainedFromAndTo)
{
    for (int row = 1; row < gSixListMax; ++row) {
        const char* word = gSixWords[row];
        const int firstVowel = getNthVowel(word, 1);
        ASSERT_LT(firstVowel, 6) << word << " has no vowel";
        EXPECT_TRUE(beginsSomeWord(word[firstVowel])) << word << ": first vowel";
        EXPECT_TRUE(beginsSomeWord(word[3])) << word << ": fourth letter";
        EXPECT_TRUE(beginsSomeWord(word[5])) << word << ": last letter";
    }
}

} // namespace
