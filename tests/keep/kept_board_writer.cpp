// Keeps a board again and again, its player score counting up, and says each completed
// save on standard output: the kept board's crash test kills it part-way.
//   kept_board_writer FILE SAVES
#include "keep/kept_board_store.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3)
        return 2;
    const KeptBoardStore store(QString::fromLocal8Bit(argv[1]));
    BoardDocument board;
    board.words = {PlacedWord {"garden", 0, 0, true}, PlacedWord {"anchor", 1, 0, false},
                   PlacedWord {"chosen", 0, 3, true}, PlacedWord {"normal", 5, 3, false},
                   PlacedWord {"silver", 3, 8, true}};
    board.typed = {{0, 0, "G", CellVerdict::None}};
    for (int i = 1; i <= std::atoi(argv[2]); ++i) {
        board.playerScore = i;
        if (!store.save(board))
            return 1;
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
    return 0;
}
