#include "board/word_selection.h"

#include "support/board_fixtures.h"
#include "support/globals.h"
#include "words/text_search.h"
#include "words/vowels.h"
#include "words/word_list.h"

#include <string>

namespace {

using WordSelectionTest = GameTest;

std::string word(const PuzzleWords& puzzle, int i)
{
    return puzzle.words[i].data();
}

TEST_F(WordSelectionTest, EveryWordCrossesTheOneBeforeIt)
{
    loadSixWordList();
    for (int round = 0; round < 200; ++round) {
        const auto puzzle = selectPuzzleWords();
        ASSERT_TRUE(puzzle.has_value());
        const auto& w = puzzle->words;
        const char word1Fourth[2] = {w[1][3], 0};
        const char word3Last[2] = {w[3][5], 0};
        EXPECT_EQ(puzzle->vowelIndex, getNthVowel(w[0].data(), 1));
        EXPECT_EQ(w[1][0], w[0][puzzle->vowelIndex]);
        EXPECT_EQ(puzzle->word2Cross, textContains(w[2].data(), word1Fourth, 1));
        EXPECT_LE(puzzle->word2Cross, puzzle->vowelIndex);
        EXPECT_LT(puzzle->word2Cross, 5);
        EXPECT_EQ(w[3][0], w[2][5]);
        EXPECT_EQ(puzzle->word4Cross, textContains(w[4].data(), word3Last, 1));
        EXPECT_NE(puzzle->word4Cross, -1);
    }
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

TEST_F(WordSelectionTest, EmptyListMakesNoPuzzle)
{
    EXPECT_FALSE(selectPuzzleWords().has_value());
}

TEST_F(WordSelectionTest, ListThatCannotChainMakesNoPuzzleAndStops)
{
    useWordList({"rhythm"}); // needs a word beginning with y
    EXPECT_FALSE(selectPuzzleWords().has_value());
    useWordList({"crwths", "abacus"}); // a word without a vowel, and no word starts with c
    EXPECT_FALSE(selectPuzzleWords().has_value());
}

TEST_F(WordSelectionTest, ComputerScoreIsTheSumOfTheFiveWords)
{
    EXPECT_EQ(computerScore(workedExample()), 8 + 11 + 11 + 8 + 9);
    EXPECT_EQ(computerScore(puzzleOf({"QUIZZY", "", "", "", ""}, 0, 0, 0)), 36);
}

} // namespace
