// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a board again and again, its player score counting up, and says each finished save
// on standard output until the crash test kills it.   kept_board_writer FILE
#include "keep/kept_board_store.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    const KeptBoardStore store(QString::fromLocal8Bit(argc == 2 ? argv[1] : ""));
    BoardState board {{PlacedWord {"garden", {{0, 0}, Direction::Across}}, {"anchor", {{1, 0}, Direction::Down}}, {"chosen", {{0, 3}, Direction::Across}},
                          {"normal", {{5, 3}, Direction::Down}}, {"silver", {{3, 8}, Direction::Across}}}, {{0, 0, "G", Verdict::Unchecked}}, 0, 0};
    for (board.playerScore = 1; argc == 2 && store.save(board); ++board.playerScore)
        std::printf("%d\n", board.playerScore), std::fflush(stdout);
    return 1;
}
