// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/resources.h"
#include "support/core_resets.h"
#include "support/printed.h"
#include "support/temporary_resources.h"
#include "core/board/vowels.h"

#include <cstring>
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
    EXPECT_EQ(QByteArray(gSixWords[2]), "beacon") << "a missing list emptied the table";
    EXPECT_EQ(gSixListMax, 3) << "a missing list emptied the table";
    EXPECT_FALSE(gWordList);
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
    for (const auto& row : cases) {
        EXPECT_EQ(letterIsVowel(row.word, row.index), row.isVowel) << "letter " << row.index << " of " << row.word;
        EXPECT_EQ(getNthVowel(row.word, row.nth), row.nthVowel) << "vowel " << row.nth << " of " << row.word;
        EXPECT_EQ(getNthConsonant(row.word, row.nth), row.nthConsonant) << "consonant " << row.nth << " of " << row.word;
    }
}

// Rows are read by number within the table, row 0 and those past it giving none.
TEST_F(WordsTest, RowsAreReadAndFoundWithinTheTable)
{
    useWordList({"abacus", "beacon", "cactus"});
    std::strcpy(gSixWords[kSixWordRows - 1], "zygote");
    for (const auto& [row, stored] : std::vector<std::pair<int64_t, const char*>> {
             {-1, ""}, {0, ""}, {1, "abacus"}, {3, "cactus"}, {kSixWordRows - 1, "zygote"}, {kSixWordRows, ""}}) {
        char word[7] = "XXXXXX";
        int32_t length = 0, offset = 77;
        getNthWord(row, word, &length, &offset);
        EXPECT_EQ(std::string(word), stored) << "row " << row;
    }
}
