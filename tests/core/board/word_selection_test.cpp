// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/word_selection.h"

#include "core/board/board_code.h"
#include "support/core_resets.h"

#include <random>

namespace {

class WordSelectionTest : public WordsTest {
protected:
    // Makes every draw repeatable and counts the draws.
    void seed(uint32_t value)
    {
        m_random.seed(value), m_draws = 0;
        gRandomSource = [this](uint32_t upperBound) { return ++m_draws, std::uniform_int_distribution<uint32_t>(0, upperBound - 1)(m_random); };
    }

    std::mt19937 m_random;
    int m_draws = 0;
};

// Damaged rows are never drawn; a list that cannot chain gives up after its first chain and
// five fresh starts, each step drawing at most 100 times the number of usable rows.
TEST_F(WordSelectionTest, OnlySixLetterRowsAreDrawnAndAHopelessListGivesUpInBoundedDraws)
{
    const struct { std::vector<const char*> rows; bool dealt; int draws; } lists[] = {
        {{}, false, 0},
        {{"bcdfgb", "crwths"}, false, 6 * 100 * 2},     // no vowel: word 0 fails
        {{"bcdfgy", "bcdfgb"}, false, 6 * 100 * 2},     // a final y is no vowel
        {{"rhythm", "rhythm"}, false, 6 * (1 + 200)},   // an inner y is, but no word begins with y
        {{"bcdfgb", "", "crwths"}, false, 6 * 100 * 2}, // once a crash: a blank row "matched" its end
        {{"", "alpaca", "alpaca"}, true, 5},            // once an empty word 0
        {{"alpaca", "al", "alp-ca", "a1paca", "1lpaca", "alpaca"}, true, 5},
        {{"ALPACA", "ALPACA"}, true, 5}, // capitals are letters too
    };
    for (const auto& list : lists) {
        useWordList(list.rows), std::strcpy(gSixWords[gSixListMax], "alpaca"); // an unended last line is no row of the list
        seed(1);
        const auto puzzle = selectPuzzleWords();
        SCOPED_TRACE(list.rows.empty() ? "" : list.rows[0]);
        EXPECT_EQ(m_draws, list.draws);
        ASSERT_EQ(puzzle.has_value(), list.dealt);
        for (int i = 0; puzzle && i < kWordCount; ++i)
            EXPECT_EQ(QByteArray(puzzle->words[i].data()).toLower(), "alpaca");
    }
}

// Pinned boards from the shipped word list, a code's and a date's daily board (five words, then where
// they cross); a deliberate change of the word list or of the dealing changes them: pin what this reports.
TEST_F(WordSelectionTest, ACodeAndADateDealPinnedBoards)
{
    loadSixWordList();
    const auto dealt = [](uint64_t seed) {
        const PuzzleWords puzzle = selectPuzzleWords(seed).value();
        std::string line;
        for (const auto& word : puzzle.words)
            line += std::string(word.data()) + ' ';
        return line + std::to_string(puzzle.vowelIndex) + std::to_string(puzzle.word2Cross) + std::to_string(puzzle.word4Cross);
    };
    const CodeReading code = readBoardCode(QStringLiteral("3STAD-KW9V7"), wordListTag());
    ASSERT_EQ(code.fault, CodeFault::None);
    EXPECT_EQ(dealt(code.seed), "sitars income toques spites dowels 115");
    EXPECT_EQ(dealt(dailySeed(dailyNumber(QDate(2026, 3, 1)))), "tinned ionize insert tossed triads 104");
}

// A list one word apart refuses a code, and the shorter code of earlier versions, which only the shipped list reads.
TEST_F(WordSelectionTest, ACodeIsRefusedByAListOneWordApart)
{
    loadSixWordList();
    const QByteArray shipped = *gWordList;
    for (const auto& [list, words] : {std::pair("shipped", shipped), {"accept removed", QByteArray(shipped).replace("\naccept\n", "\n")},
                                      {"qwerty added", shipped + "qwerty\n"}, {"accept made axcept", QByteArray(shipped).replace("\naccept\n", "\naxcept\n")}}) {
        storeSixWordList(words);
        for (const char* code : {"3STAD-KW9V7-42TMU", "3STAD-KW9V7"})
            EXPECT_EQ(readBoardCode(code, wordListTag()).fault == CodeFault::None, words == shipped) << list << ' ' << code;
    }
}

} // namespace
