#include "platform/dictionary/dictionary.h"

#include "support/layer_test.h"

#include <QStringList>
#include <QTemporaryDir>

namespace {

QString definitionOf(const QString& text)
{
    return copyTextDefinition(text, termRangeInString(text, 0)).value_or(QString());
}

// The lines of a definition that name a part of speech: every line not indented, but the first.
QStringList labelsOf(const QString& text)
{
    QStringList labels;
    const QStringList lines = definitionOf(text).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines[i].startsWith(u' '))
            labels << lines[i];
    }
    return labels;
}

qsizetype termLength(const QString& text)
{
    return termRangeInString(text, 0).length;
}

using DictionaryTest = PlatformTest;

TEST_F(DictionaryTest, BaseWordsAndInflectionsOfEveryPartOfSpeech)
{
    EXPECT_TRUE(labelsOf("houses").contains("noun"));
    EXPECT_TRUE(labelsOf("geese").contains("noun"));
    EXPECT_TRUE(labelsOf("walked").contains("verb"));
    EXPECT_TRUE(labelsOf("bigger").contains("adjective"));
    EXPECT_TRUE(labelsOf("running").contains("verb"));
    EXPECT_TRUE(labelsOf("quickly").contains("adverb"));
    EXPECT_EQ(termLength("houses"), 6);
}

TEST_F(DictionaryTest, FunctionWordsOfEveryClass)
{
    EXPECT_EQ(labelsOf("myself"), QStringList {"pronoun"});
    EXPECT_TRUE(labelsOf("during").contains("preposition"));
    EXPECT_TRUE(labelsOf("unless").contains("conjunction"));
    EXPECT_TRUE(labelsOf("the").contains("definite article"));
    EXPECT_TRUE(labelsOf("an").contains("indefinite article"));
    EXPECT_TRUE(labelsOf("should").contains("verb"));
    EXPECT_TRUE(labelsOf("yippee").contains("interjection"));
    EXPECT_TRUE(labelsOf("how").contains("adverb"));
}

TEST_F(DictionaryTest, ItsIsAPronounNotAPluralOfIt)
{
    EXPECT_EQ(labelsOf("its"), QStringList {"pronoun"});
}

TEST_F(DictionaryTest, FormsOnlyTheSpellingDictionaryKnowsGetAPartOfSpeech)
{
    EXPECT_TRUE(labelsOf("sweaty").contains("adjective"));
    EXPECT_TRUE(labelsOf("tabbed").contains("verb"));
    EXPECT_TRUE(labelsOf("hottie").contains("noun"));
    EXPECT_FALSE(labelsOf("rewind").isEmpty());
}

TEST_F(DictionaryTest, LongestTermAtTheStartWins)
{
    const TermRange range = termRangeInString("ice cream is cold", 0);
    EXPECT_EQ(range.location, 0);
    EXPECT_EQ(range.length, 9);
    EXPECT_EQ(termLength("cat xyz"), 3);
    EXPECT_EQ(termRangeInString("a cat", 2).length, 3);
}

TEST_F(DictionaryTest, TermsEndAtAWordBoundary)
{
    EXPECT_EQ(termLength("catxyz"), 0);
    EXPECT_EQ(termLength("gardens9"), 0);
    EXPECT_EQ(termLength(" garden"), 0);
    EXPECT_EQ(termLength(""), 0);
}

TEST_F(DictionaryTest, CaseIsIgnored)
{
    EXPECT_EQ(termLength("GARDEN"), 6);
    EXPECT_TRUE(labelsOf("GaRdEn").contains("noun"));
}

TEST_F(DictionaryTest, ProperNamesAreNamesNotNouns)
{
    for (const char* name : {"london", "thomas", "boston", "monday"}) {
        const QStringList labels = labelsOf(name);
        EXPECT_TRUE(labels.contains("name")) << name;
        EXPECT_FALSE(labels.contains("noun")) << name;
    }
}

TEST_F(DictionaryTest, CommonWordsThatAreAlsoNamesKeepTheirCommonSenses)
{
    for (const char* word : {"bill", "frank", "march"})
        EXPECT_TRUE(labelsOf(word).contains("noun") || labelsOf(word).contains("verb")) << word;
}

TEST_F(DictionaryTest, RandomStringsAreNoTerms)
{
    for (const char* text : {"qzxvbn", "xkcdqj", "bzzzrt", "aeiouy", "ptkfff"})
        EXPECT_EQ(termLength(text), 0) << text;
}

TEST_F(DictionaryTest, DefinitionIsHeadwordThenLabelledNumberedGlosses)
{
    const QStringList lines = definitionOf("Houses").split(u'\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], "houses (house)");
    EXPECT_EQ(lines[1], "noun");
    EXPECT_TRUE(lines[2].startsWith("  1. ")) << lines[2].toStdString();
}

TEST_F(DictionaryTest, NoDefinitionWithoutATerm)
{
    EXPECT_FALSE(copyTextDefinition("catxyz", {0, 6}).has_value());
    EXPECT_FALSE(copyTextDefinition("cat", {0, 0}).has_value());
    EXPECT_FALSE(copyTextDefinition("cat", {2, 5}).has_value());
}

TEST_F(DictionaryTest, MissingDataIsReportedOnceAndNothingIsATerm)
{
    QTemporaryDir empty;
    setDictionaryPaths({empty.path(), empty.filePath("en_US.aff"), empty.filePath("en_US.dic"),
                        empty.filePath("function_words.txt")});
    testing::internal::CaptureStdout();
    EXPECT_EQ(termLength("garden"), 0);
    EXPECT_EQ(termLength("house"), 0);
    const std::string messages = testing::internal::GetCapturedStdout();
    setDictionaryPaths(DictionaryPaths::installed());
    EXPECT_EQ(std::count(messages.begin(), messages.end(), '\n'), 1);
    EXPECT_NE(messages.find("dictionary could not be opened"), std::string::npos);
}

} // namespace
