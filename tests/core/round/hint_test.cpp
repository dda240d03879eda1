// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/deal_random.h"
#include "core/board/word_list.h"
#include "core/board/word_selection.h"
#include "core/round/board_best.h"
#include "core/round/game_model.h"
#include "core/round/hint.h"

#include "support/layer_test.h"

// Dealt boards with some of the computer's letters typed: a hint fills an empty cell of the word
// holding the cursor (the across word at a crossing), the cursor's own cell when empty, with a
// letter some common word has there while holding every letter placed; the best with common
// words reaches the computer's score (its words are common) and stays within the best possible.
TEST(HintTest, AHintFitsACommonWordAndTheCommonBestLiesBetweenTheComputersScoreAndTheBest)
{
    loadSixWordList();
    const Lexicon& common = commonWords();
    const std::vector<ScoredWord> all = common.bestFitting("??????", common.wordCount());
    ASSERT_GT(all.size(), 1000u);
    for (uint64_t seed = 1; seed <= 150; ++seed) {
        const std::optional<PuzzleWords> puzzle = selectPuzzleWords(seed);
        ASSERT_TRUE(puzzle);
        GameModel model;
        model.deal(wordsOf(*puzzle), chainCrossings(*puzzle));
        BoardState board = *model.board();
        BoardBest best = bestOfBoard(board, Lexicon::shared());
        addCommonBest(best, board, common);
        ASSERT_TRUE(best.isKnown && best.commonTotal) << seed;
        EXPECT_LE(board.computerScore, *best.commonTotal);
        EXPECT_LE(*best.commonTotal, best.total);
        DealRandom random(seed);
        const std::vector<BoardCell> crossings = crossingCells(board);
        for (const PlacedWord& word : board.words)
            for (int k = 0; k < kWordLength; ++k)
                if (const BoardCell at = word.place.cell(k); random.below(2) == 0 && std::find(crossings.begin(), crossings.end(), at) == crossings.end())
                    board.typed.push_back({at.x, at.y, word.letters.mid(k, 1).toUpper(), Verdict::Unchecked});
        const int w = int(random.below(kWordCount));
        const BoardCell focus = board.words[w].place.cell(int(random.below(kWordLength)));
        int held = w;
        for (int v = 0; v < kWordCount; ++v)
            held = board.words[v].place.covers(focus) && board.words[v].place.direction == Direction::Across ? v : held;
        const PlacedWord& word = board.words[held];
        const auto letterAt = [&](BoardCell at) -> QString {
            const auto typed = std::find_if(board.typed.begin(), board.typed.end(), [&](const TypedCell& t) { return BoardCell {t.x, t.y} == at; });
            return std::find(crossings.begin(), crossings.end(), at) != crossings.end() ? word.letters.mid(word.place.indexOf(at), 1).toUpper()
                : typed != board.typed.end() ? typed->letter : QString();
        };
        const Hint hint = hintFor(board, focus, common);
        bool isFull = true;
        for (int k = 0; k < kWordLength; ++k)
            isFull = isFull && !letterAt(word.place.cell(k)).isEmpty();
        ASSERT_EQ(hint.cell.has_value(), !isFull) << hint.said.toStdString();
        if (isFull)
            continue;
        ASSERT_TRUE(word.place.covers(*hint.cell) && letterAt(*hint.cell).isEmpty()) << seed;
        EXPECT_TRUE(letterAt(focus).isEmpty() ? *hint.cell == focus : true) << seed;
        EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const ScoredWord& candidate) {
            for (int k = 0; k < kWordLength; ++k) {
                const QString placed = word.place.cell(k) == *hint.cell ? hint.letter : letterAt(word.place.cell(k));
                if (!placed.isEmpty() && placed != QChar::fromLatin1(candidate.text[size_t(k)]).toUpper())
                    return false;
            }
            return true;
        })) << seed << ' ' << hint.letter.toStdString();
    }
}

// Without a letter to give, a hint says why: the pattern no common word fits, or a word already full.
TEST(HintTest, WithoutALetterAHintSaysWhyWithThePattern)
{
    GameModel model;
    model.deal({"garden", "anchor", "chosen", "normal", "silver"}, {1, 1, 2}); // garden across from (0, 0), anchor down from (1, 0)
    BoardState board = *model.board();
    const Lexicon common("garden\nanchor\nchosen\nnormal\nsilver\n");
    board.typed = {{0, 0, "Q", Verdict::Unchecked}, {2, 0, "x", Verdict::Unchecked}};
    EXPECT_EQ(hintFor(board, BoardCell {3, 0}, common).said, "No common word fits Q A X _ _ _.");
    for (const int x : {0, 2, 3, 4, 5})
        board.typed.push_back({x, 0, QString(QChar::fromLatin1("garden"[x])), Verdict::Unchecked});
    board.typed.erase(board.typed.begin(), board.typed.begin() + 2);
    EXPECT_FALSE(hintFor(board, BoardCell {4, 0}, common).cell);
    const Hint next = hintFor(board, std::nullopt, common); // off the board: the first word with an empty cell
    EXPECT_TRUE(next.cell == BoardCell(1, 1) && next.letter == "N") << next.said.toStdString();
}
