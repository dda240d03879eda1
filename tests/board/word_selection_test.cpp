#include "board/word_selection.h"

#include "board/board_layout.h"
#include "grid/grid.h"
#include "support/board_fixtures.h"
#include "support/globals.h"
#include "words/picking.h"
#include "words/word_list.h"

#include <cctype>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

class WordSelectionTest : public GameTest {
protected:
    // Makes every draw repeatable and counts how many numbers were asked for.
    void seed(uint32_t value)
    {
        m_random.seed(value);
        gRandomSource = [this](uint32_t upperBound) {
            ++m_draws;
            return std::uniform_int_distribution<uint32_t>(0, upperBound - 1)(m_random);
        };
    }

    std::mt19937 m_random;
    int m_draws = 0;
};

std::string word(const PuzzleWords& puzzle, int i)
{
    return puzzle.words[i].data();
}

TEST_F(WordSelectionTest, WordStartingWithAVowelCrossesAtIndexZero)
{
    useWordList({"alpaca"});
    const auto puzzle = selectPuzzleWords();
    ASSERT_TRUE(puzzle.has_value());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(word(*puzzle, i), "alpaca");
    EXPECT_EQ(puzzle->vowelIndex, 0);
    EXPECT_EQ(puzzle->word2Cross, 0);
    EXPECT_EQ(puzzle->word4Cross, 0);
}

TEST_F(WordSelectionTest, InnerYCountsAsTheFirstVowel)
{
    seed(7);
    useWordList({"rhythm", "yearly", "mighty"});
    std::optional<PuzzleWords> puzzle;
    for (int attempt = 0; attempt < 100 && !(puzzle && word(*puzzle, 0) == "rhythm"); ++attempt)
        puzzle = selectPuzzleWords();
    ASSERT_TRUE(puzzle && word(*puzzle, 0) == "rhythm");
    EXPECT_EQ(puzzle->vowelIndex, 2);
    EXPECT_EQ(word(*puzzle, 1), "yearly");
    EXPECT_EQ(word(*puzzle, 2), "rhythm");
    EXPECT_EQ(puzzle->word2Cross, 0);
    EXPECT_EQ(word(*puzzle, 3), "mighty");
}

// Rows a damaged word list can hold: only the six-letter ones may ever be drawn.
TEST_F(WordSelectionTest, OnlyRowsOfSixLettersAreDrawn)
{
    const struct {
        std::vector<const char*> rows;
        bool makesPuzzle; // and then alpaca in every place
    } lists[] = {
        {{}, false},
        {{"rhythm"}, false},           // no word begins with y
        {{"crwths", "abacus"}, false}, // no vowel in one, no word begins with c
        {{"bcdfgb", ""}, false},       // once a crash: no vowel, and the blank row "matched" its end
        {{"", "alpaca"}, true},        // once an empty word 0
        {{"alpaca", "al"}, true},
        {{"alp-ca", "alpaca", "a1paca"}, true},
        {{"bcdfgb", "alpaca"}, true},
    };
    for (const auto& list : lists) {
        resetGame();
        seed(1);
        int row = 1;
        for (const char* listed : list.rows)
            std::strncpy(gSixWords[row++], listed, kSixWordRowSize - 1);
        gSixListMax = row;
        for (int deal = 0; deal < 20; ++deal) {
            const auto puzzle = selectPuzzleWords();
            ASSERT_EQ(puzzle.has_value(), list.makesPuzzle) << list.rows.size() << " rows, deal " << deal;
            for (int i = 0; puzzle && i < gNumWords; ++i)
                ASSERT_EQ(word(*puzzle, i), "alpaca") << list.rows.size() << " rows, word " << i;
        }
    }
}

TEST_F(WordSelectionTest, ListThatCannotChainGivesUpAfterTheFirstChainAndFiveFreshStarts)
{
    seed(3);
    useWordList({"bcdfgb", "crwths"}); // word 0 needs a vowel: each start spends 100 draws a row
    EXPECT_FALSE(selectPuzzleWords().has_value());
    EXPECT_EQ(m_draws, (1 + 5) * 100 * 2);
}

// Letter values as the rules give them, kept apart from the code that scores.
int letterValue(char letter)
{
    const struct { const char* letters; int value; } groups[] = {
        {"aeilnorstu", 1}, {"dg", 2}, {"bcmp", 3}, {"fhvwy", 4}, {"k", 5}, {"jx", 8}, {"qz", 10}};
    for (const auto& group : groups) {
        if (std::strchr(group.letters, std::tolower(static_cast<unsigned char>(letter))))
            return group.value;
    }
    return -1000;
}

// Checks a laid-out board against the rules of the model; returns the letter values of its
// five words, read from the cells' solution letters.
int checkDealtBoard()
{
    struct Slot { int32_t x, y, dx, dy; };
    std::vector<Slot> words;
    int fields = 0;
    for (int32_t x = 0; x < gGridSize; ++x) {
        for (int32_t y = 0; y < gGridSize; ++y) {
            const GridCell& cell = gGrid[x][y];
            if (!cell.field)
                continue;
            ++fields;
            EXPECT_TRUE(x < 16 && y < 9) << "a field at " << x << "," << y;
            if (cell.wordStart && cell.direction != DirDown)
                words.push_back({x, y, 1, 0});
            if (cell.wordStart && cell.direction != DirAcross)
                words.push_back({x, y, 0, 1});
        }
    }
    EXPECT_EQ(fields, 26);
    EXPECT_EQ(words.size(), 5u);
    int covered[gGridSize][gGridSize] = {};
    int value = 0;
    for (const Slot& slot : words) {
        for (int32_t k = 0; k < gWordSize; ++k) {
            const int32_t x = slot.x + k * slot.dx;
            const int32_t y = slot.y + k * slot.dy;
            if (x >= 16 || y >= 9 || !gGrid[x][y].field) {
                ADD_FAILURE() << "a word runs off the board at " << x << "," << y;
                return -1;
            }
            ++covered[x][y];
            value += letterValue(gGrid[x][y].solutionLetter);
        }
    }
    int fixedCells = 0;
    for (int32_t x = 0; x < gGridSize; ++x) {
        for (int32_t y = 0; y < gGridSize; ++y) {
            const GridCell& cell = gGrid[x][y];
            if (!cell.field || cell.editable)
                continue;
            ++fixedCells;
            EXPECT_EQ(covered[x][y], 2) << "a fixed cell off the crossings at " << x << "," << y;
            EXPECT_EQ(cell.field->text(), QString(QChar(cell.solutionLetter).toUpper()));
        }
    }
    EXPECT_EQ(fixedCells, 4);
    return value;
}

// Damage a word list may suffer, each kept together with the sound words.
const char* const kDamage[] = {
    "\n",          // a blank line, stored as an empty word
    "bcdfgb\n",    // no vowel
    "gar-en\n",    // punctuation
    "4bacus\n",    // a digit
    "ab\n",        // too short
    "abacuses\n",  // too long, skipped by the loader
    "\r\n",
};

TEST_F(WordSelectionTest, DealtBoardsKeepTheRulesOfTheModel)
{
    loadSixWordList();
    ASSERT_GT(gSixListMax, 1000);
    QByteArray shipped;
    for (int row = 1; row < gSixListMax; ++row)
        shipped += QByteArray(gSixWords[row]) + '\n';
    seed(2024);
    std::vector<QByteArray> lists {shipped};
    for (int i = 0; i < 4; ++i) {
        QByteArray damaged = "\n"; // a blank first line too
        for (const QByteArray& line : shipped.split('\n')) {
            if (m_random() % 3 == 0)
                damaged += kDamage[m_random() % std::size(kDamage)];
            damaged += line + '\n';
        }
        lists.push_back(damaged);
    }
    for (size_t list = 0; list < lists.size(); ++list) {
        testing::internal::CaptureStdout();
        storeSixWordList(lists[list]);
        testing::internal::GetCapturedStdout();
        for (int deal = 0; deal < 60; ++deal) {
            const auto puzzle = selectPuzzleWords();
            ASSERT_TRUE(puzzle.has_value()) << "list " << list;
            layOutBoard(*puzzle, nullptr);
            SCOPED_TRACE(testing::Message() << "list " << list << ", deal " << deal << ": " << word(*puzzle, 0));
            ASSERT_EQ(checkDealtBoard(), computerScore(*puzzle));
            if (testing::Test::HasFailure())
                return;
        }
    }
}

} // namespace
