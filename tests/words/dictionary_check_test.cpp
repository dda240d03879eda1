#include "words/dictionary_check.h"

#include "support/core_resets.h"
#include "words/word_list.h"

#include <string>

namespace {

using DictionaryCheckTest = WordsTest;

std::string reportOn(const QString& text)
{
    testing::internal::CaptureStdout();
    checkWordAndReport(text);
    return testing::internal::GetCapturedStdout();
}

TEST_F(DictionaryCheckTest, DefinitionPassesOnAnyLowerCasePartOfSpeechTerm)
{
    const struct { const char* definition; bool passes; } cases[] = {
        {"quickly\nadverb\n  1. with speed\n", true}, {"x\nverb\n", true}, {"x\npronoun\n", true},
        {"x\nindefinite article\n", true}, {"a commercial city on the coast", true}, {"an ensign", true},
        {"x\nNOUN\nVERB\nAdjective\n", false}, {"london\nname\n  London\n", false}, {"", false},
    };
    for (const auto& row : cases)
        EXPECT_EQ(checkDefinition(QString::fromUtf8(row.definition)), row.passes) << row.definition;
}

TEST_F(DictionaryCheckTest, WordIsATermCoveringTheWholeText)
{
    const struct { const char* text; bool isWord; } cases[] = {
        {"garden", true}, {"GARDEN", true}, {"houses", true}, {"ice ax", true},
        {" garden\t", true}, // surrounding white space is not part of the word
        {"CAT-XY", false},   // once a word: "cat" starts it
        {"garden xyz", false}, {"aa-qzq", false}, {"ice axe x", false},
        {"", false}, {"  ", false}, {"catxyz", false}, {"london", false}, {"qzxvbn", false},
    };
    for (const auto& row : cases)
        EXPECT_EQ(isWord(QString::fromUtf8(row.text)), row.isWord) << '"' << row.text << '"';
}

TEST_F(DictionaryCheckTest, EveryPuzzleWordIsAWord)
{
    loadSixWordList();
    for (int row = 1; row < gSixListMax; ++row)
        ASSERT_TRUE(isWord(QString::fromLatin1(gSixWords[row]))) << gSixWords[row];
}

TEST_F(DictionaryCheckTest, ReportGivesTheDefinitionFoundAtTheStartThenTheVerdictOnTheWhole)
{
    const struct { const char* text; const char* begins; const char* ends; } cases[] = {
        {"garden", "garden\nnoun\n", "\n\n'garden' is a word\n"},
        {"ice ax", "ice ax\nnoun\n", "'ice ax' is a word\n"},
        {"CAT-XY", "cat\nnoun\n", "\n\n'CAT-XY' is not a word.\n"},
        {"garden ", "garden\nnoun\n", "'garden ' is a word\n"},
        {" garden", "' garden' is not a word.\n", "' garden' is not a word.\n"}, // as typed
        {"London", "london\n", "\n'London' is not a word.\n"},
        {"catxyz", "'catxyz' is not a word.\n", "'catxyz' is not a word.\n"},
    };
    for (const auto& row : cases) {
        const std::string written = reportOn(QString::fromUtf8(row.text));
        EXPECT_TRUE(written.starts_with(row.begins)) << written;
        EXPECT_TRUE(written.ends_with(row.ends)) << written;
    }
    EXPECT_NE(reportOn("London").find("\nname\n"), std::string::npos);
}

} // namespace
