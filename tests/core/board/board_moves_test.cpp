// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/board_moves.h"

#include "support/layer_test.h"

namespace {

// PLANET, ANCHOR down from its A, SHOVEL through ANCHOR's H, LEMONS down from SHOVEL's L, ISLAND through LEMONS' S. Tab and
// Shift+Tab take a word up at its first empty cell, or its first blank one once all hold letters; a crossing is the earlier
// word's; past either end, and off the words, the board has nowhere to go.
TEST(BoardMovesTest, TabTakesTheNextOrPreviousWordUpWhereItIsEmpty)
{
    BoardState board;
    const ChainPlacements places = placeChain({2, 1, 1});
    const char* words[] = {"planet", "anchor", "shovel", "lemons", "island"};
    for (int i = 0; i < kWordCount; ++i)
        board.words[i] = {words[i], places[i]};
    const struct { std::vector<BoardCell> typed; BoardCell from; bool backward; std::optional<BoardCell> to; } rows[] = {
        {{}, {5, 0}, false, BoardCell {2, 1}},
        {{{2, 1}, {2, 2}}, {5, 0}, false, BoardCell {2, 4}},
        {{{2, 1}, {2, 2}, {2, 4}, {2, 5}}, {4, 0}, false, BoardCell {2, 1}},
        {{}, {2, 3}, false, BoardCell {1, 3}},
        {{{0, 0}}, {2, 3}, true, BoardCell {1, 0}},
        {{}, {9, 8}, false, std::nullopt}, {{}, {3, 0}, true, std::nullopt}, {{}, {9, 9}, true, std::nullopt},
    };
    for (const auto& row : rows) {
        board.typed.clear();
        for (const BoardCell& cell : row.typed)
            board.typed.push_back({cell.x, cell.y, "X"});
        const std::optional<BoardCell> to = wordAfter(board, row.from, row.backward);
        EXPECT_EQ(to, row.to) << row.from.x << ',' << row.from.y << (row.backward ? " back" : "") << " to " << (to ? to->x : -1) << ',' << (to ? to->y : -1);
    }
}

} // namespace
