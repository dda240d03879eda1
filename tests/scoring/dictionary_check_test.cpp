#include "words/dictionary_check.h"

#include "support/globals.h"
#include "words/word_list.h"

#include <string>

namespace {

using DictionaryCheckTest = GameTest;

TEST_F(DictionaryCheckTest, AnyPartOfSpeechTermAccepts)
{
    EXPECT_TRUE(checkDefinition("quickly\nadverb\n  1. with speed\n"));
    EXPECT_TRUE(checkDefinition("x\nverb\n"));
    EXPECT_TRUE(checkDefinition("x\npronoun\n"));
    EXPECT_TRUE(checkDefinition("x\nindefinite article\n"));
    EXPECT_TRUE(checkDefinition("a commercial city on the coast"));
    EXPECT_TRUE(checkDefinition("an ensign"));
}

TEST_F(DictionaryCheckTest, TermsMustBeInLowerCase)
{
    EXPECT_FALSE(checkDefinition("x\nNOUN\nVERB\nAdjective\n"));
    EXPECT_FALSE(checkDefinition("london\nname\n  London\n"));
    EXPECT_FALSE(checkDefinition(""));
}

TEST_F(DictionaryCheckTest, WordsPassAndNonWordsDoNot)
{
    EXPECT_TRUE(isWord("garden"));
    EXPECT_TRUE(isWord("GARDEN"));
    EXPECT_TRUE(isWord("houses"));
    EXPECT_FALSE(isWord(""));
    EXPECT_FALSE(isWord("catxyz"));
    EXPECT_FALSE(isWord("london"));
    EXPECT_FALSE(isWord("qzxvbn"));
}

TEST_F(DictionaryCheckTest, TermCoveringOnlyTheStartDecides)
{
    EXPECT_TRUE(isWord("garden xyz"));
}

TEST_F(DictionaryCheckTest, EveryPuzzleWordIsAWord)
{
    loadSixWordList();
    for (int row = 1; row < gSixListMax; ++row)
        ASSERT_TRUE(isWord(QString::fromLatin1(gSixWords[row]))) << gSixWords[row];
}

TEST_F(DictionaryCheckTest, ReportGivesTheDefinitionThenTheVerdict)
{
    testing::internal::CaptureStdout();
    checkWordAndReport("garden");
    const std::string written = testing::internal::GetCapturedStdout();
    EXPECT_EQ(written.rfind("garden\nnoun\n", 0), 0u) << written;
    EXPECT_TRUE(written.ends_with("\n\n'garden' is a word\n")) << written;
}

TEST_F(DictionaryCheckTest, ReportOnANonTermIsTheVerdictAlone)
{
    testing::internal::CaptureStdout();
    checkWordAndReport("catxyz");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "'catxyz' is not a word.\n");
}

TEST_F(DictionaryCheckTest, ReportOnANameShowsItsDefinitionAndRejectsIt)
{
    testing::internal::CaptureStdout();
    checkWordAndReport("London");
    const std::string written = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(written.ends_with("'London' is not a word.\n")) << written;
    EXPECT_NE(written.find("name"), std::string::npos);
}

} // namespace
