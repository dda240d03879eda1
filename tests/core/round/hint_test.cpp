// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/deal_random.h"
#include "core/board/word_list.h"
#include "core/board/word_selection.h"
#include "core/round/board_best.h"
#include "core/round/game_model.h"
#include "core/round/hint.h"

#include "support/layer_test.h"

#include <map>
#include <ranges>

// Dealt boards with some of the computer's letters typed: a hint fills an empty cell of the word at the cursor (the across
// word at a crossing), the cursor's own when empty, with a letter some common word has there beside every letter placed;
// the best with common words reaches the computer's score (its words are common) and stays within the best possible.
TEST(HintTest, AHintFitsACommonWordAndTheCommonBestLiesBetweenTheComputersScoreAndTheBest)
{
    loadSixWordList();
    const std::vector<ScoredWord> all = commonWords().bestFitting("??????", commonWords().wordCount());
    for (uint64_t seed = 1; seed <= 150; ++seed) {
        const std::optional<PuzzleWords> puzzle = selectPuzzleWords(seed);
        GameModel model;
        model.deal(wordsOf(puzzle.value()), chainCrossings(*puzzle));
        BoardState board = *model.board();
        BoardBest best = bestOfBoard(board, Lexicon::shared());
        addCommonBest(best, board, commonWords());
        ASSERT_TRUE(best.isKnown && best.commonTotal && board.computerScore <= *best.commonTotal && *best.commonTotal <= best.total) << seed;
        DealRandom random(seed);
        const std::vector<BoardCell> crossings = crossingCells(board);
        std::map<BoardCell, char> placed; // the given letters, and about half the others typed
        for (const PlacedWord& word : board.words)
            for (int k = 0; k < kWordLength; ++k) {
                const BoardCell at = word.place.cell(k);
                const bool given = std::ranges::find(crossings, at) != crossings.end();
                if (given || random.below(2) == 0)
                    placed[at] = word.letters[k].toUpper().toLatin1();
                if (!given && placed[at])
                    board.typed.push_back({at.x, at.y, word.letters.mid(k, 1).toUpper(), Verdict::Unchecked});
            }
        const BoardCell focus = board.words[random.below(kWordCount)].place.cell(int(random.below(kWordLength)));
        int word = -1; // the across word at a crossing
        for (int w = 0; w < kWordCount; ++w)
            word = board.words[w].place.covers(focus) && (word < 0 || board.words[w].place.direction == Direction::Across) ? w : word;
        const Placement& held = board.words[word].place;
        const Hint hint = hintFor(board, focus, commonWords());
        if (std::ranges::all_of(std::views::iota(0, kWordLength), [&](int k) { return placed[held.cell(k)] != 0; })) {
            EXPECT_FALSE(hint.cell) << seed;
            continue;
        }
        ASSERT_TRUE(hint.cell && held.covers(*hint.cell) && !placed[*hint.cell]) << seed << hint.said.toStdString();
        EXPECT_TRUE(placed[focus] || *hint.cell == focus) << seed;
        placed[*hint.cell] = hint.letter.front().toLatin1();
        EXPECT_TRUE(std::ranges::any_of(all, [&](const ScoredWord& common) {
            return std::ranges::all_of(std::views::iota(0, kWordLength), [&](int k) { return !placed[held.cell(k)] || placed[held.cell(k)] == std::toupper(common.text[size_t(k)]); });
        })) << seed << ' ' << hint.letter.toStdString();
    }
}
