// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/dictionary_check.h"

#include "core/platform/resources.h"
#include "support/layer_test.h"
#include "support/printed.h"

#include <random>
#include <set>
#include <vector>

using DictionaryCheckTest = LayerTest<resetNothing>;

TEST_F(DictionaryCheckTest, WordIsATermCoveringTheWholeTextWithAPartOfSpeech)
{
    for (const char* definition : {"quickly\nadverb\n  1. with speed\n", "x\nverb\n", "x\npronoun", "x\nnoun", "x\nconjunction",
             "x\nindefinite article", "x\ndefinite article", "a commercial city", "an ensign", "x\nadjective", "x\npreposition", "x\ninterjection"})
        EXPECT_TRUE(checkDefinition(QString::fromUtf8(definition))) << definition;
    for (const char* definition : {"x\nNOUN\nVERB\nAdjective\n", "london\nname\n  London\n", ""})
        EXPECT_FALSE(checkDefinition(QString::fromUtf8(definition))) << definition;
    const struct { const char* text; bool isWord; } cases[] = {
        {"GARDEN", true}, {"happier", true}, {" garden\t", true}, {"DIDN'T", true}, {"CAT-XY", false}, {"garden xyz", false}, {"aa-qzq", false},
        {"ice axe x", false}, {"", false}, {"  ", false}, {"catxyz", false}, {"london", false}, {"qzxvbn", false}, {"0005th", false}, {"100est", false},
        {"egg xy", false}, {"ox-cat", false}, {"egg-ab", false}, {"ox-bed", false}, {"--best", false}, {"-best", false}, {"-----s", false}, // split at hyphens
        {"a", true}, {"I", true}, // a word of one letter
        // The broader word lists' words count; their names written in lower case do not.
        {"fixes", true}, {"barton", false}, {"chopin", false}, {"boston", false}, {"bowles", false},
    };
    for (const auto& row : cases)
        EXPECT_EQ(isWord(QString::fromUtf8(row.text)), row.isWord) << '"' << row.text << '"';
}

// Said aloud beside it: the verdict first, then only the first sense, not the whole entry.
TEST_F(DictionaryCheckTest, ReportGivesTheDefinitionFoundAtTheStartThenTheVerdictOnTheWhole)
{
    const struct { const char* text; const char* begins; const char* ends; const char* absent; const char* said; } cases[] = {
        {"ice ax", "ice ax\nnoun\n", "'ice ax' is a word\n", "\nverb\n", "ice ax is a word. ice ax, noun: "},
        {"CAT-XY", "cat\nnoun\n", "\n\n'CAT-XY' is not a word.\n", "is a word", "CAT-XY is not a word. cat, noun: "},
        {"garden ", "garden\nnoun\n", "'garden ' is a word\n", "not a word", "garden is a word. garden, noun: a plot of ground where plants are cultivated.\n"},
        {"London", "london\nname\n", "\n'London' is not a word.\n", "noun", "London is not a word.\n"},
    };
    for (const auto& row : cases) {
        std::string written;
        const std::string said = heardFrom([&] { written = printedBy([&] { checkWordAndReport(QString::fromUtf8(row.text)); }); });
        EXPECT_TRUE(written.starts_with(row.begins) && written.ends_with(row.ends) && written.find(row.absent) == std::string::npos) << written;
        EXPECT_TRUE(said.starts_with(row.said) && said.find(" 2. ") == std::string::npos && said.ends_with(".\n")) << said;
    }
}

// The lexicon is the dictionary check's own output: a change to either that the generator
// was not rerun for shows here, as does a source the generator left out.
TEST_F(DictionaryCheckTest, LexiconHoldsExactlyTheSixCharacterTextsTheCheckAccepts)
{
    const auto lines = [](const QString& path) { return readWholeFile(path).value_or(QByteArray()).split('\n'); };
    std::set<QByteArray> lexicon;
    for (const QByteArray& entry : lines(pathForResource("Lexicon", "txt").value_or(QString())))
        ASSERT_TRUE(entry.isEmpty() || (lexicon.insert(entry).second && isWord(QString::fromLatin1(entry)))) << entry.constData();
    ASSERT_GT(lexicon.size(), 20000u);
    std::mt19937 random(18);
    std::vector<QByteArray> candidates; // from every source, with endings; lexicon entries with one character changed
    QStringList sources {pathForResource("ListWords", "txt").value(), pathForResource("function_words", "txt").value(), "/usr/share/hunspell/en_US.dic"};
    for (const char* pos : {"noun", "verb", "adj", "adv"})
        sources << QStringLiteral("/usr/share/wordnet/index.") + pos;
    for (const QString& source : sources)
        for (const QByteArray& line : lines(source))
            for (const char* ending : {"", "s", "es", "ed", "ing", "er", "est", "'s"})
                candidates.push_back(line.left(line.indexOf(line.contains('\t') ? '\t' : line.contains('/') ? '/' : ' ')).toLower().replace('_', ' ') + ending);
    for (QByteArray entry : lexicon)
        candidates.push_back(entry.replace(random() % 6, 1, QByteArray(1, "abcdefghijklmnopqrstuvwxyz-' 0123"[random() % 33])));
    std::erase_if(candidates, [](const QByteArray& text) { return text.size() != 6 || text.trimmed().size() != 6; });
    std::shuffle(candidates.begin(), candidates.end(), random);
    for (const QByteArray& text : std::vector(candidates.begin(), candidates.begin() + 4000))
        EXPECT_EQ(isWord(QString::fromLatin1(text)), lexicon.count(text) == 1) << '"' << text.constData() << '"';
}
