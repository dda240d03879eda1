// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/board_geometry.h"
#include "core/board/board_state.h"
#include "core/board/points_place.h"

#include "support/layer_test.h"

#include <algorithm>

namespace {

// Every chain a deal can make reads back from its places and crosses each next word at its crossing cell; any other chain is refused.
TEST(BoardGeometryTest, EveryDealableChainLaysOutAndReadsBack)
{
    for (int v = -1; v <= kWordLength; ++v) {
        for (int c2 = -1; c2 <= kWordLength; ++c2) {
            for (int c4 = -1; c4 <= kWordLength; ++c4) {
                const ChainCrossings chain {v, c2, c4};
                const bool dealable = v >= 0 && v <= 5 && c2 >= 0 && c2 <= v && c2 <= 4 && c4 >= 0 && c4 <= 5;
                ASSERT_EQ(isValidChain(chain), dealable) << v << ' ' << c2 << ' ' << c4;
                if (!dealable)
                    continue;
                const ChainPlacements words = placeChain(chain);
                EXPECT_EQ(chainOf(words), chain);
                const auto crossings = crossingCells(chain);
                for (int i = 0; i < kCrossingCount; ++i)
                    EXPECT_TRUE(words[i].covers(crossings[i]) && words[i + 1].covers(crossings[i]));
            }
        }
    }
}

// Column by column, top to bottom; when word 0 starts with its vowel both words start at (0, 0) and the down word is read first.
TEST(BoardGeometryTest, ChecksReadSlotsColumnByColumnDownFirst)
{
    const struct { ChainCrossings chain; std::array<int, kWordCount> order; } rows[] = {
        {{0, 0, 5}, {1, 0, 2, 4, 3}}, {{2, 1, 3}, {0, 2, 1, 4, 3}}, {{4, 0, 0}, {0, 1, 2, 3, 4}}};
    for (const auto& row : rows)
        EXPECT_EQ(checkingOrder(placeChain(row.chain)), row.order) << "crossings " << row.chain.vowelIndex << row.chain.word2Cross << row.chain.word4Cross;
}

// On the window's board, for every chain a deal can make: each word's points sit one pixel off its last cell, after it
// where that has room, inside the board's panel and clear of every cell and of each other.
TEST(BoardGeometryTest, PointsSitBesideEachLastCellClearOfTheBoard)
{
    const CellGrid grid {{32, 36}, 34, 32};
    const QRect panel = QRect(16, 20, 574, 336).adjusted(1, 1, -1, -1);
    for (int v = 0; v < kWordLength; ++v) {
        for (int c2 = 0; c2 <= std::min(v, kWordLength - 2); ++c2) {
            for (int c4 = 0; c4 < kWordLength; ++c4) {
                const ChainPlacements words = placeChain({v, c2, c4});
                const std::array<QRect, kWordCount> rects = pointsRects(words, grid, {26, 14}, panel);
                for (int i = 0; i < kWordCount; ++i) {
                    const QRect last = grid.cellRect(words[i].cell(kWordLength - 1));
                    const bool isBeside = last.adjusted(-2, -2, 2, 2).intersects(rects[i]) && !last.adjusted(-1, -1, 1, 1).intersects(rects[i]);
                    ASSERT_TRUE(panel.contains(rects[i]) && isBeside) << v << c2 << c4 << i;
                    for (int j = 0; j < kWordCount; ++j) {
                        EXPECT_FALSE(j != i && rects[j].intersects(rects[i])) << v << c2 << c4 << i;
                        for (int k = 0; k < kWordLength; ++k)
                            EXPECT_FALSE(grid.cellRect(words[j].cell(k)).intersects(rects[i])) << v << c2 << c4 << i;
                    }
                }
                EXPECT_GT(rects[0].left(), grid.cellRect(words[0].cell(kWordLength - 1)).right());
                EXPECT_GT(rects[1].top(), grid.cellRect(words[1].cell(kWordLength - 1)).bottom());
            }
        }
    }
    // In a small panel the words take the sides after, below, above and before their last cells; where
    // two words end in one cell, the second's big label finds no side clear of the first's.
    const auto small = pointsRects(placeChain({1, 0, 0}), grid, {26, 14}, QRect(0, 0, 280, 340));
    EXPECT_EQ(small, (std::array {QRect(235, 44, 26, 14), QRect(68, 239, 26, 14), QRect(238, 123, 26, 14), QRect(209, 316, 26, 14), QRect()}));
    const auto big = pointsRects(placeChain({2, 1, 5}), grid, {40, 40}, QRect(-99, -99, 999, 999));
    EXPECT_FALSE(big[3].isEmpty());
    EXPECT_EQ(big[4], QRect()) << "the second of two words ending in one cell";
}

// What a reader hears of a cell: the letter's state and a word start (or, past a given first letter, where the
// word is entered) in the name, where the cell is and both words through a crossing in the description.
TEST(BoardGeometryTest, CellsAreSpokenByTheirStateAndTheWordsStartingThere)
{
    const ChainPlacements words = placeChain({0, 0, 5}); // words 1 and 2 start at (0, 0)
    for (const auto& [x, y, isGiven, isBlank, name, description] :
         {std::tuple(0, 0, true, false, "given, 1 across and 2 down, 6 letters", "Row 1, column 1, in 1 across and 2 down"),
          {1, 0, false, true, "blank, 1 across, 6 letters, the first given", "Row 1, column 2"},
          {0, 1, false, false, "2 down, 6 letters, the first given", "Row 2, column 1"},
          {2, 0, false, false, "letter", "Row 1, column 3"}, {0, 4, false, true, "blank", "Row 5, column 1"},
          {0, 8, false, true, "blank, 5 across, 6 letters", "Row 9, column 1"},
          {0, 8, false, false, "5 across, 6 letters", "Row 9, column 1"}, {5, 8, true, false, "given", "Row 9, column 6, in 4 down and 5 across"}})
        EXPECT_EQ(cellSpeech(words, {x, y}, isGiven, isBlank), (CellSpeech {name, description})) << x << "," << y;
}

} // namespace
