// SPDX-License-Identifier: GPL-3.0-or-later
// kept_board_writer FILE STEP...: takes the steps in turn ("load", "save", "submit"; "wait" for
// a line on standard input, "full" caps files at 200 bytes as a full disk, "unprivileged"
// meets mode bits as their owner would), saying what each did on a line.
#include "core/kept_board/kept_board_store.h"
#include "support/root_rights.h"

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <string>

int main(int argc, char* argv[])
{
    const KeptBoardStore store(QString::fromLocal8Bit(argc >= 2 ? argv[1] : ""));
    BoardState board {{PlacedWord {"garden", {{0, 0}, Direction::Across}}, {"anchor", {{1, 0}, Direction::Down}}, {"chosen", {{0, 3}, Direction::Across}},
                          {"normal", {{5, 3}, Direction::Down}}, {"silver", {{3, 8}, Direction::Across}}}, {{0, 0, "G", Verdict::Unchecked}}, 0, 0, {}};
    for (int i = 2; i < argc; ++i) {
        const std::string step = argv[i];
        const rlimit limit {200, 200};
        QString said;
        if (step == "full")
            std::signal(SIGXFSZ, SIG_IGN), setrlimit(RLIMIT_FSIZE, &limit);
        else if (step == "unprivileged")
            setRootsFileRights(false);
        else if (step == "wait")
            std::getchar();
        else if (step == "load") {
            const KeptBoardStore::Loaded loaded = store.load();
            board = loaded.board.value_or(board), said = loaded.board ? "loaded" : loaded.problem;
        } else if ((step == "save" ? store.save(board, &said) : store.submit(boardIdentity(board), &said)) == KeptBoardStore::Outcome::Submitted)
            said = "submitted already";
        std::printf("%s\n", said.isEmpty() ? "done" : said.toUtf8().constData()), std::fflush(stdout);
    }
    return 0;
}
