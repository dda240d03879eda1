// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/board_best.h"
#include "model/game_model.h"
#include "model/word_score.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace {

bool fits(const std::string& word, const std::string& pattern)
{
    return std::equal(word.begin(), word.end(), pattern.begin(), pattern.end(),
                      [](char w, char p) { return p == kAnyLetter || p == w; });
}

TEST(LexiconTest, KeepsSixPrintableCharactersBestFirstAndMatchesFixedLettersInAnyCase)
{
    const Lexicon lexicon("zygote\nABACUS\nshort\nabacus\ne-mail\r\n\xc3\xa9tude\nquartz\nquartzes\nice ox\nice ax\naaaaaa");
    EXPECT_EQ(lexicon.size(), 6u);
    const auto texts = [&](const char* pattern, size_t count) {
        std::string joined;
        for (const ScoredWord& word : lexicon.bestFitting(pattern, count))
            joined += word.text + ' ' + std::to_string(word.score) + ' ';
        return joined;
    };
    EXPECT_EQ(texts("??????", 9), "quartz 24 zygote 19 ice ax 15 ice ox 15 abacus 10 aaaaaa 6 ");
    EXPECT_EQ(texts("?Y????", 9) + texts("ICE ?X", 9) + texts("??????", 2), "zygote 19 ice ax 15 ice ox 15 quartz 24 zygote 19 ");
    EXPECT_EQ(texts("?????", 9) + texts("???????", 9) + texts("??????", 0) + texts("e-mail", 1), "");
}

// Deals boards as the game does, words chained through their crossing letters, and holds
// the best words against a scan of the whole lexicon.
TEST(LexiconTest, EachSlotsBestWordFitsAndNoFittingWordScoresMore)
{
    const Lexicon& lexicon = Lexicon::shared();
    const std::vector<ScoredWord> all = lexicon.bestFitting("??????", lexicon.size());
    ASSERT_GT(all.size(), 30000u);
    std::mt19937 random(19);
    for (int round = 0; round < 50; ++round) {
        const int vowel = int(random() % 6);
        const ChainCrossings chain {vowel, int(random() % std::min(vowel + 1, 5)), int(random() % 6)};
        GameModel model;
        model.deal({"??????", "??????", "??????", "??????", "??????"}, chain);
        BoardState board = *model.board();
        for (int w = 0; w < kWordCount; ++w) {
            const std::string pattern = slotPattern(board, w);
            std::vector<std::string> choices;
            for (const ScoredWord& word : all)
                if (fits(word.text, pattern) && word.text.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos)
                    choices.push_back(word.text);
            ASSERT_FALSE(choices.empty()) << pattern;
            board.words[w].letters = QString::fromStdString(choices[random() % choices.size()]);
            for (const BoardCell cell : crossingCells(board)) // the next word takes the crossing letter
                if (w + 1 < kWordCount && board.words[w].place.covers(cell) && board.words[w + 1].place.covers(cell))
                    board.words[w + 1].letters[board.words[w + 1].place.indexOf(cell)] = board.words[w].letters[board.words[w].place.indexOf(cell)];
        }
        const BoardBest best = bestOfBoard(board, lexicon, 3);
        int total = 0, fixedLetters = 0;
        for (int w = 0; w < kWordCount; ++w) {
            fixedLetters += int(std::count_if(best.patterns[w].begin(), best.patterns[w].end(), [](char c) { return c != kAnyLetter; }));
            const std::string computer = board.words[w].letters.toStdString();
            std::vector<ScoredWord> scan;
            std::copy_if(all.begin(), all.end(), std::back_inserter(scan), [&](const ScoredWord& word) { return fits(word.text, best.patterns[w]); });
            std::stable_sort(scan.begin(), scan.end(), [](const ScoredWord& a, const ScoredWord& b) { return a.score > b.score; });
            scan.resize(std::min<size_t>(scan.size(), 3));
            ASSERT_TRUE(fits(computer, best.patterns[w]) && best.fitting[w] == scan) << computer << ' ' << best.patterns[w];
            EXPECT_LE(scoreWord(computer.c_str()), best.fitting[w].front().score);
            total += scan.front().score;
        }
        EXPECT_EQ(std::tuple(best.total, fixedLetters), std::tuple(total, 2 * kCrossingCount)); // each crossing fixes two slots
        EXPECT_EQ(best.behindBy(computerScoreOf(board)), total - computerScoreOf(board));
    }
}

} // namespace
