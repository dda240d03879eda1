// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/dictionary.h"
#include "core/dictionary/morphy.h"
#include "core/platform/problem_report.h"

#include "support/layer_test.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <QRegularExpression>

#include <algorithm>

namespace {

using DictionaryTest = PlatformTest;

QString definitionOf(const QString& text) { return copyTextDefinition(text, termRangeInString(text, 0)).value_or(QString()); }

// The headword line (with the bases an inflection comes from) and the labels, exactly: a
// wrong part of speech shows as much as a missing one.
TEST_F(DictionaryTest, DefinitionsGiveHeadwordBasesAndExactLabels)
{
    const struct { const char* word; const char* headword; QStringList labels; } rows[] = {
        {"Houses", "houses (house)", {"noun", "verb"}}, {"geese", "geese (goose)", {"noun"}}, {"aardwolves", "aardwolves (aardwolf)", {"noun"}},
        {"quickly", "quickly", {"adverb"}}, {"walked", "walked (walk)", {"verb"}}, {"bigger", "bigger (big)", {"adjective"}}, // walk is a noun, walked is not
        {"happier", "happier (happy)", {"adjective"}}, {"women", "women (woman)", {"noun"}}, {"glasses", "glasses (glass)", {"noun", "verb"}},
        {"vest", "vest", {"noun", "verb"}}, // not the superlative of v, the numeral five
        {"its", "its", {"pronoun"}}, {"can", "can", {"verb", "noun"}}, {"the", "the", {"definite article"}}, {"you've", "you've", {"pronoun"}}, // function words first
        {"like", "like", {"preposition", "noun", "verb", "adjective"}}, {"an", "an", {"indefinite article"}}, {"london", "london", {"name"}},
        {"unless", "unless", {"conjunction"}}, {"yippee", "yippee", {"interjection"}}, {"bill", "bill", {"noun", "verb"}}, {"does", "does", {"verb"}},
        // Known only to the spelling dictionary from sweaty on; rewrap is WordNet's wrap, tabbed undoes a doubled consonant, bossily and burier a y turned to i.
        {"march", "march", {"noun", "verb", "name"}}, {"sweaty", "sweaty", {"adjective"}}, {"selfies", "selfies", {"noun"}}, {"rewrap", "rewrap (wrap)", {"noun", "verb"}},
        {"tabbed", "tabbed (tab)", {"verb"}}, {"bossily", "bossily (bossy)", {"adverb"}}, {"burier", "burier (bury)", {"adjective"}},
        {"cometh", "cometh", {"verb"}}, {"flappy", "flappy", {"adjective"}}, // known only to the broader word lists
        {"accras", "accras (accra)", {"noun", "name"}}, {"field mice", "field mice (field mouse)", {"noun"}}, {"ohs", "ohs (oh)", {"noun"}},
        {"facepalm", "facepalm", {"verb"}}, {"facepalms", "facepalms", {"verb"}}, {"facepalmed", "facepalmed", {"verb"}}, // its affix classes hold no possessive: no noun
        // The lists hold these as names first: a common word only where WordNet and Hunspell both hold it so.
        {"bailey", "bailey", {"noun", "name"}}, {"sheila", "sheila", {"name"}}, {"feijoa", "feijoa", {"name"}},
    };
    for (const auto& row : rows) { // the labels are the lines not indented, after the headword
        const QStringList lines = definitionOf(row.word).split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.value(0), row.headword);
        EXPECT_EQ(lines.mid(1).filter(QRegularExpression("^\\S")), row.labels) << row.word;
        EXPECT_GE(lines.size(), 1 + 2 * row.labels.size()) << row.word << " has a label without a gloss";
    }
}

// A word known without a definition says so plainly, naming the word it is a form of or made from, never
// where it was found, in English as the glosses are whatever the interface's language (a verdict is read from
// the definition: a translated "verbe" would make a word of it); a base's glosses come three at most.
TEST_F(DictionaryTest, WordsWithoutADefinitionSaySoPlainly)
{
    struct : QTranslator {
        bool isEmpty() const override { return false; }
        QString translate(const char*, const char*, const char*, int) const override { return "verb"; }
    } everyTextAVerb;
    QCoreApplication::installTranslator(&everyTextAVerb);
    const struct { const char* word; const char* definition; } rows[] = {
        {"zachary", "zachary\nname\n  Zachary\n"}, // a name only the spelling dictionary knows
        {"sweaty", "sweaty\nadjective\n  1. a valid word; no definition is known\n"},
        {"snarkier", "snarkier\nadjective\n  1. a valid word (a form of snarky); no definition is known\n"},
        {"tabbed", "tabbed (tab)\nverb\n  1. a valid word (a form of tab); no definition is known\n"}, // its ending undone
        {"acajou", "acajou\nnoun\n  1. a valid word; no definition is known\n"}, // the lists only, from here on
        {"cometh", "cometh\nverb\n  1. a valid word (a form of come); no definition is known\n"},
        {"sozzly", "sozzly\nadjective\n  1. a valid word (made from sozzle); no definition is known\n"},
        {"ablush", "ablush\nadjective\n  1. a valid word (made from a- and blush); no definition is known\n"},
        {"adipic", "adipic\nadjective\n  1. a valid word; no definition is known\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(definitionOf(row.word), row.definition);
    QCoreApplication::removeTranslator(&everyTextAVerb);
    const QString running = definitionOf("running"), axes = definitionOf("axes"); // three glosses at most, of every base under one label
    EXPECT_TRUE(running.startsWith("running (run)\nnoun\n  1. (American football) a play") && running.contains("\n  3. ") && !running.contains("\n  4. "))
        << running.toStdString();
    EXPECT_TRUE(axes.contains("\nnoun\n  1. an edge tool with a heavy bladed head mounted across a handle\n  2. a straight line")) << axes.toStdString();
}

// The bases tried for each part of speech as an ending is taken off.
TEST_F(DictionaryTest, EndingsComeOffAsTheSpellingRulesAllow)
{
    const struct { const char* form; const char* base; bool detached; } spellings[] = { // hoped, carried, cities, treeing, lying, obeys, glass
        {"hopeed", "hope", false}, {"carryed", "carry", false}, {"citys", "city", false}, {"treing", "tree", false}, {"lieing", "lie", false},
        {"benchs", "bench", false}, {"obeies", "obey", false}, {"bys", "by", false}, {"glass", "glas", false}, {"s", "", false}, {"seeing", "see", true},
        {"dyeing", "dye", true}, {"arguing", "argue", true}, {"played", "play", true}, {"hopes", "hope", true}, {"benches", "bench", true}, {"tries", "try", true},
        {"boxes", "box", true}, {"flies", "fly", true}, {"fixes", "fix", true}, {"keenes", "keen", false}, {"runing", "run", false}, {"nicest", "nice", true},
        {"nicest", "nic", false}, {"flies", "fli", false}, {"sewing", "sew", true}}; // "es" only after a hiss or o; run doubles its n, sew its w never
    for (const auto& row : spellings) {
        int found = 0;
        for (const PartOfSpeech pos : {PartOfSpeech::Verb, PartOfSpeech::Noun, PartOfSpeech::Adjective})
            found += int(std::ranges::count(detachmentCandidates(row.form, pos), row.base));
        EXPECT_EQ(found > 0, row.detached) << row.form << " from " << row.base;
    }
}

TEST_F(DictionaryTest, LongestTermEndingAtAWordBoundary)
{
    const struct { const char* text; qsizetype offset; qsizetype length; } rows[] = {
        {"ice cream is cold", 0, 9}, {"cat xyz", 0, 3}, {"a cat", 2, 3}, {"a cat", 0, 1}, {"GARDEN", 0, 6}, {"don't", 0, 5}, {"it\u2019s", 0, 4},
        {"catxyz", 0, 0}, {"gardens9", 0, 0}, {" garden", 0, 0}, {"", 0, 0}, {"cat", 3, 0}, {"cat", -1, 0}, {"t'ang", 0, 5}, {"beyonce", 0, 0},
        {"the cat", 4, 3}, {"xxxest", 0, 0}, {"threer", 0, 0}, {"armses", 0, 0}, // no comparative of a numeral, no plural of a plural
        {"academy of motion picture arts and sciences", 0, 7}, // seven words are more than a term is looked for in
    };
    for (const auto& row : rows)
        EXPECT_EQ(termRangeInString(row.text, row.offset).length, row.length) << row.text << "@" << row.offset;
    EXPECT_TRUE(copyTextDefinition("the cat", {4, 3})->startsWith("cat\nnoun\n"));
    for (const TermRange range : {TermRange {0, 6}, TermRange {0, 0}, TermRange {2, 5}, TermRange {-1, 3}})
        EXPECT_FALSE(copyTextDefinition("catxyz", range).has_value()) << range.location << "+" << range.length;
}

// One source missing is named alone, and the rest judge on (garden is WordNet's and Hunspell's both); with
// none, no word can be judged, and that is said once. Nor is a misplaced hyphen a term where listed.
TEST_F(DictionaryTest, AMissingSourceIsNamedAloneAndTheRestJudgeOnButNoneJudgesNothing)
{
    QStringList said;
    setProblemReporter([&](const QByteArray& message) { said << QString::fromUtf8(message); });
    const std::pair<QString DictionaryPaths::*, QString> sources[] = {
        {&DictionaryPaths::wordNetDirectory, "WordNet"}, {&DictionaryPaths::spellingWordsFile, "Hunspell's en_US"},
        {&DictionaryPaths::functionWordsFile, "the function words"}, {&DictionaryPaths::listWordsFile, "the list words"},
        {&DictionaryPaths::listNamesFile, "the list names"}};
    DictionaryPaths none;
    for (const auto& [missing, name] : sources) {
        DictionaryPaths paths = DictionaryPaths::installed();
        paths.*missing = none.*missing = dataHome() + "/missing";
        setDictionaryPaths(paths), said.clear();
        EXPECT_TRUE(canJudgeWords() && definitionOf("garden").contains("\nnoun\n") && missingDictionarySources().size() == 1) << name.toStdString();
        EXPECT_TRUE(said.size() == 1 && said[0].startsWith("The English dictionary lacks " + name + " (looked for ") && said[0].contains(paths.*missing)
                    && said[0].endsWith("); words are judged by its other sources.\n")) << said.join("").toStdString();
    }
    setDictionaryPaths(none), said.clear();
    EXPECT_FALSE(canJudgeWords() || termRangeInString("the", 0).length || copyTextDefinition("the", {0, 3}));
    EXPECT_TRUE(said.size() == 1 && missingDictionarySources().size() == 5 && said.value(0).startsWith("The English dictionary could not be opened: it lacks WordNet (")
                && said.value(0).endsWith(". No word can be judged, so no round can be submitted.\n")) << said.join("").toStdString();
    setProblemReporter({});
    QFile file(dataHome() + "/words.txt"), list(dataHome() + "/list.txt"); // the list's line without how its word was found
    const QByteArray words = "ox-bed\tnoun\tx\nox-bed\tverb\ty\nox-bed\tnoun\tz\n-ism\tnoun\tx\nism-\tnoun\tx\nbe--st\tnoun\tx\nxqz\tnoun\n";
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(words) && file.flush());
    ASSERT_TRUE(list.open(QIODevice::WriteOnly) && list.write("adipic adjective\n") && list.flush());
    DictionaryPaths listed = DictionaryPaths::installed();
    listed.functionWordsFile = file.fileName();
    listed.listWordsFile = list.fileName();
    setDictionaryPaths(listed);
    EXPECT_EQ(definitionOf("ox-bed"), "ox-bed\nnoun\n  1. x\n  2. z\nverb\n  1. y\n"); // senses kept under their labels
    for (const auto& [text, length] : {std::pair("-ism", 0), {"be--st", 2}, {"xqz", 0}})
        EXPECT_EQ(termRangeInString(text, 0).length, length) << text;
    EXPECT_FALSE(copyTextDefinition("ism-", {0, 4}).has_value());
    EXPECT_TRUE(definitionOf("adipic").endsWith("adjective\n  1. a valid word; no definition is known\n"));
    setDictionaryPaths(DictionaryPaths::installed());
}

} // namespace
