#include "words/dictionary_check.h"

#include "support/core_resets.h"
#include "support/printed.h"

namespace {

using DictionaryCheckTest = WordsTest;

TEST_F(DictionaryCheckTest, DefinitionPassesOnAnyLowerCasePartOfSpeechTerm)
{
    const struct { const char* definition; bool passes; } cases[] = {
        {"quickly\nadverb\n  1. with speed\n", true}, {"x\nverb\n", true}, {"x\npronoun\n", true},
        {"x\nindefinite article\n", true}, {"a commercial city on the coast", true}, {"an ensign", true},
        {"x\nconjunction", true}, {"x\nadjective", true}, {"x\npreposition", true}, {"x\ninterjection", true},
        {"x\nNOUN\nVERB\nAdjective\n", false}, {"london\nname\n  London\n", false}, {"", false},
    };
    for (const auto& row : cases)
        EXPECT_EQ(checkDefinition(QString::fromUtf8(row.definition)), row.passes) << row.definition;
}

TEST_F(DictionaryCheckTest, WordIsATermCoveringTheWholeText)
{
    const struct { const char* text; bool isWord; } cases[] = {
        {"garden", true}, {"GARDEN", true}, {"houses", true}, {"happier", true}, {"ice ax", true},
        {" garden\t", true}, // surrounding white space is not part of the word
        {"CAT-XY", false},   // once a word: "cat" starts it
        {"garden xyz", false}, {"aa-qzq", false}, {"ice axe x", false}, {"", false}, {"  ", false},
        {"catxyz", false}, {"london", false}, {"qzxvbn", false},
    };
    for (const auto& row : cases)
        EXPECT_EQ(isWord(QString::fromUtf8(row.text)), row.isWord) << '"' << row.text << '"';
}

TEST_F(DictionaryCheckTest, ReportGivesTheDefinitionFoundAtTheStartThenTheVerdictOnTheWhole)
{
    const struct { const char* text; const char* begins; const char* ends; const char* absent; } cases[] = {
        {"garden", "garden\nnoun\n", "\n\n'garden' is a word\n", "\nadjective\n"},
        {"ice ax", "ice ax\nnoun\n", "'ice ax' is a word\n", "\nverb\n"},
        {"CAT-XY", "cat\nnoun\n", "\n\n'CAT-XY' is not a word.\n", "is a word"},
        {"garden ", "garden\nnoun\n", "'garden ' is a word\n", "not a word"},
        {" garden", "' garden' is not a word.\n", "' garden' is not a word.\n", "noun"}, // as typed
        {"London", "london\nname\n", "\n'London' is not a word.\n", "noun"},
        {"catxyz", "'catxyz' is not a word.\n", "'catxyz' is not a word.\n", "\n'"},
    };
    for (const auto& row : cases) {
        const std::string written = printedBy([&] { checkWordAndReport(QString::fromUtf8(row.text)); });
        EXPECT_TRUE(written.starts_with(row.begins)) << written;
        EXPECT_TRUE(written.ends_with(row.ends)) << written;
        EXPECT_EQ(written.find(row.absent), std::string::npos) << written;
    }
}

} // namespace
