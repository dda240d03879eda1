// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/resources.h"
#include "support/core_resets.h"
#include "support/printed.h"
#include "support/temporary_resources.h"
#include "words/dictionary_check.h"
#include "words/text_search.h"
#include "words/vowels.h"

#include <algorithm>
#include <random>
#include <set>
#include <tuple>
#include <vector>

TEST_F(WordsTest, EachLineFillsTheNextRowAndWhatCannotBeStoredIsReportedOnce)
{
    const QByteArray full = QByteArray("abacus\n").repeated(kSixWordRows - 2) + "zygote\n";
    const QByteArray fullList = QByteArray("abacus ").repeated(kSixWordRows - 2) + "zygote ";
    const struct { QByteArray bytes, list, after, messages; } cases[] = { // list: the rows, each and a space
        {"abacus\r\nbeacon\r\n", "abacus beacon ", "", ""},
        {"abacus\n\nbeacon\n", "abacus  beacon ", "", ""},
        {" aba cus\n\tbea\tcon \ncac\xc3\xa9tus\n", "abacus beacon cactus ", "", ""},
        {"abacus\ngardens\nbeacon\ncactuses\ncactus\n", "abacus beacon cactus ", "",
         "The word list has 2 line(s) longer than six letters; they were skipped.\n"},
        {"abacus\nbeaconsfield\n", "abacus ", "", // the cut row is cleared
         "The word list has 1 line(s) longer than six letters; they were skipped.\n"},
        {"abacus\nbeacon", "abacus ", "beacon", ""}, // only a line feed ends a line
        {"abacus\nbeaconsfield", "abacus ", "", ""},
        {full, fullList, "", ""},
        {full + "beacon\nfinal", fullList, "", "The word list holds more than 12874 words; 1 line(s) were not stored.\n"},
    };
    for (const auto& row : cases) {
        resetWords();
        EXPECT_EQ(printedBy([&] { storeSixWordList(row.bytes); }), row.messages.toStdString());
        QByteArray list;
        for (int i = 1; i < gSixListMax; ++i)
            list += QByteArray(gSixWords[i]) + ' ';
        EXPECT_EQ(list, row.list) << row.bytes.left(40).constData();
        EXPECT_EQ(QByteArray(gSixListMax < kSixWordRows ? gSixWords[gSixListMax] : ""), row.after);
    }
}

TEST_F(WordsTest, FilesComeFromTheResourcesAndAMissingOneLeavesTheTable)
{
    const TemporaryResources resources;
    resources.write(QStringLiteral("SixLetterWords.txt"), "abacus\nbeacon\n");
    resources.write(QStringLiteral("words_alpha.txt"), "a\naardvark\n");
    loadSixWordList();
    loadWordList();
    EXPECT_EQ(*gWordList, "a\naardvark\n");
    EXPECT_EQ(printedBy(createNewList), "abacus\nbeacon\n");
    const TemporaryResources empty;
    const std::string list = "The word list " + resourceDirectory().toStdString();
    EXPECT_EQ(printedBy([] { loadSixWordList(); loadWordList(); }),
              "Null list.\n" + list + "/SixLetterWords.txt is missing.\nNull list.\n" + list + "/words_alpha.txt is missing.\n");
    EXPECT_EQ(std::tuple(QByteArray(gSixWords[2]), gSixListMax, bool(gWordList)), std::tuple(QByteArray("beacon"), 3, false));
    for (const auto& [bytes, said] : {std::pair("", " is empty."), {"\n \r\n", " is empty."}, {"cat\nabacu\n", " holds no six-letter word."}, {"cat\nabacus\n", ""}}) {
        empty.write("SixLetterWords.txt", bytes);
        EXPECT_EQ(printedBy(loadSixWordList), *said ? list + "/SixLetterWords.txt" + said + "\n" : "") << bytes;
    }
}

TEST_F(WordsTest, YIsAVowelExceptAsTheLastLetterAndCountsRunFromOne)
{
    const struct { const char* word; int32_t index, isVowel, nth, nthVowel, nthConsonant; } cases[] = {
        {"rhythm", 2, 1, 1, 2, 0}, {"yearly", 0, 1, 3, 2, 5}, {"smelly", 5, 0, 5, 6, 5}, {"SMELLY", 5, 0, 2, 6, 1},
        {"ABACUS", 0, 1, 3, 4, 5}, {"abacUs", 4, 1, 4, 6, 6}, {"abacus", 1, 0, 0, 6, 6}, {"abacus", 6, 0, -1, 6, 6},
        {"abacus", -1, 0, 2, 2, 3}, {"crwths", 0, 0, 1, 6, 0}, {"aeiou", 4, 1, 1, 0, 5}, {"", 0, 0, 1, 0, 0}, {"ab\0e", 3, 0, 1, 0, 1},
    };
    for (const auto& row : cases)
        EXPECT_EQ(std::tuple(letterIsVowel(row.word, row.index), getNthVowel(row.word, row.nth), getNthConsonant(row.word, row.nth)),
                  std::tuple(row.isVowel, row.nthVowel, row.nthConsonant)) << row.word << " " << row.index << " " << row.nth;
}

TEST_F(WordsTest, TextContainsNeverBacksUpAfterAFailedPartialMatch)
{
    const struct { const char* text; const char* pattern; int8_t matchCase; int32_t found; } cases[] = {
        {"cactus", "c", 1, 0}, {"cactus", "t", 1, 3}, {"cactus", "z", 1, -1}, {"cactus", "", 1, -1}, {"", "", 0, -1},
        {"aab", "ab", 1, -1}, {"cab", "ab", 1, 1}, {"pronoun", "noun", 1, 3}, {"A NOUN", "noun", 0, 2}, {"A NOUN", "noun", 1, -1},
        {"ver", "verb", 1, -1}, {"verb", "verb", 1, 0}, {"caf\xc3\xa9 noun", "noun", 0, 6}, {"\xff\xfe", "\xfe", 0, 1},
    };
    for (const auto& row : cases)
        EXPECT_EQ(textContains(row.text, row.pattern, row.matchCase), row.found) << row.text << " / " << row.pattern;
}

TEST_F(WordsTest, DrawsStayBelowTheBoundAndTakeOneOfTheListRows)
{
    std::vector<int> counts(6);
    for (int i = 0; i < 60000; ++i)
        counts.at(static_cast<size_t>(rnd(6) + rnd(1) + rnd(0)))++;
    for (const int count : counts)
        EXPECT_NEAR(count, 10000, 999);
    char word[7] = "XXXXXX";
    EXPECT_STREQ((getRandomNLetterWord(word, 6), word), "") << "from an empty list";
    useWordList({"abacus", "beacon", "cactus"});
    gRandomSource = [](uint32_t bound) { return bound - 1; }; // the last of the list
    getRandomNLetterWord(word, 6);
    EXPECT_EQ(std::string(word) + std::to_string(rnd(1)), "cactus0"); // the source is asked only above one
    std::strcpy(gSixWords[kSixWordRows - 1], "zygote");
    for (const auto& [row, stored] : std::vector<std::pair<int64_t, const char*>> {
             {-1, ""}, {0, ""}, {1, "abacus"}, {3, "cactus"}, {kSixWordRows - 1, "zygote"}, {kSixWordRows, ""}}) {
        int32_t length = 0, offset = 77;
        getNthWord(row, word, &length, &offset);
        EXPECT_EQ(std::tuple(std::string(word), length, offset), std::tuple(std::string(stored), 6, 77)) << row;
    }
    std::strcpy(gSixWords[0], "zenith"); // the search covers the whole table, row 0 too
    EXPECT_EQ(std::tuple(findWordInList("zygote", nullptr), findWordInList("zenith", nullptr), findWordInList("", nullptr),
                         findWordInList("Beacon", nullptr), findWordInList("beaco", nullptr)), std::tuple(1, 1, 1, 0, 0));
}

TEST_F(WordsTest, WordIsATermCoveringTheWholeTextWithAPartOfSpeech)
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

TEST_F(WordsTest, ReportGivesTheDefinitionFoundAtTheStartThenTheVerdictOnTheWhole)
{
    const struct { const char* text; const char* begins; const char* ends; const char* absent; } cases[] = {
        {"ice ax", "ice ax\nnoun\n", "'ice ax' is a word\n", "\nverb\n"},
        {"CAT-XY", "cat\nnoun\n", "\n\n'CAT-XY' is not a word.\n", "is a word"},
        {"garden ", "garden\nnoun\n", "'garden ' is a word\n", "not a word"},
        {"London", "london\nname\n", "\n'London' is not a word.\n", "noun"},
    };
    for (const auto& row : cases) {
        const std::string written = printedBy([&] { checkWordAndReport(QString::fromUtf8(row.text)); });
        EXPECT_TRUE(written.starts_with(row.begins) && written.ends_with(row.ends) && written.find(row.absent) == std::string::npos) << written;
    }
}

// The lexicon is the dictionary check's own output: a change to either that the generator
// was not rerun for shows here, as does a source the generator left out.
TEST_F(WordsTest, LexiconHoldsExactlyTheSixCharacterTextsTheCheckAccepts)
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
