// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/word_selection.h"

#include "board/board_layout.h"
#include "model/board_code.h"
#include "model/game_model.h"
#include "model/word_score.h"
#include "support/globals.h"
#include "support/printed.h"

#include <random>

namespace {

class WordSelectionTest : public GameTest {
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
        {{"alpaca", "al", "alp-ca", "a1paca", "alpaca"}, true, 5},
        {{"ALPACA", "ALPACA"}, true, 5}, // capitals are letters too
    };
    for (const auto& list : lists) {
        useWordList(list.rows), std::strcpy(gSixWords[gSixListMax], "alpaca"); // an unended last line is no row of the list
        seed(1);
        const auto puzzle = selectPuzzleWords();
        SCOPED_TRACE(list.rows.empty() ? "" : list.rows[0]);
        ASSERT_EQ(std::pair(m_draws, puzzle.has_value()), std::pair(list.draws, list.dealt));
        for (int i = 0; puzzle && i < gNumWords; ++i)
            EXPECT_EQ(QByteArray(puzzle->words[i].data()).toLower(), "alpaca");
        EXPECT_EQ(puzzle ? std::tuple(puzzle->vowelIndex, puzzle->word2Cross, puzzle->word4Cross) : std::tuple(0, 0, 0), std::tuple(0, 0, 0));
    }
}

// Many boards from the shipped list and a damaged copy, each checked against the chain's rules and
// layout (crossing words share a cell), worked out apart from the code, and scored as its words.
TEST_F(WordSelectionTest, DealtBoardsChainAtTheirRulesCrossingsAndScore)
{
    loadSixWordList();
    const QList<QByteArray> damage = QByteArray("\n|\n\n|bcdfgb\n|gar-en\n|4bacus\n|ab\n|abacuses\n|\r\n").split('|');
    QByteArray damaged = "\n";
    for (int row = 1; row < gSixListMax; ++row)
        damaged += QByteArray(gSixWords[row]) + damage[row % damage.size()];
    seed(2024);
    for (int deal = 0; deal < 200; ++deal) {
        if (deal == 100)
            printedBy([&] { storeSixWordList(damaged); });
        const auto puzzle = selectPuzzleWords();
        ASSERT_TRUE(puzzle.has_value());
        const auto& w = puzzle->words;
        const int32_t v = puzzle->vowelIndex, c2 = puzzle->word2Cross, c4 = puzzle->word4Cross;
        SCOPED_TRACE(testing::Message() << w[0].data() << " " << w[1].data() << " " << w[2].data() << " " << w[3].data() << " " << w[4].data());
        const std::string_view first(w[0].data());
        ASSERT_EQ(v, int32_t(std::min(first.find_first_of("aeiou"), first.substr(0, 5).find('y'))));
        EXPECT_EQ(std::pair(c2, c4), std::pair(int32_t(std::string_view(w[2].data()).find(w[1][3])), int32_t(std::string_view(w[4].data()).find(w[3][5]))));
        EXPECT_LE(c2, std::min(v, 4));

        layOutBoard(*puzzle, nullptr);
        const int32_t starts[5][4] = {{0, 0, 1, 0}, {v, 0, 0, 1}, {v - c2, 3, 1, 0}, {v - c2 + 5, 3, 0, 1}, {v - c2 + 5 - c4, 8, 1, 0}};
        int value = 0;
        for (int i = 0; i < 5; ++i) {
            ASSERT_EQ(w[i][6], 0);
            value += scoreWord(w[i].data());
            for (int32_t k = 0; k < 6; ++k)
                ASSERT_EQ(gGrid[starts[i][0] + k * starts[i][2]][starts[i][1] + k * starts[i][3]].solutionLetter, w[i][k]) << i;
        }
        EXPECT_EQ(gameModel().computerScore(), value);
    }
}

// Pinned boards from the shipped word list: a code's, and the daily board of a date (five words,
// then where they cross). A deliberate change of the word list (or of the dealing) changes
// them: pin what the failing test reports.
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
    EXPECT_EQ(std::pair(code.fault, dealt(code.seed)), std::pair(CodeFault::None, std::string("sitars income toques spites dowels 115")));
    EXPECT_EQ(dealt(dailySeed(dailyNumber(QDate(2026, 3, 1)))), "tinned ionize insert tossed triads 104");
}

} // namespace
