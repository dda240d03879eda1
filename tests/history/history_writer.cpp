// Records ROUNDS rounds for PLAYER as fast as it can, as a second running game would: the
// history's concurrency test starts two of these at once.
//   history_writer FILE PLAYER ROUNDS
#include "history/history_database.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 4)
        return 2;
    HistoryDatabase history(QString::fromLocal8Bit(argv[1]));
    RoundRecord round;
    round.player = QString::fromLocal8Bit(argv[2]);
    for (int i = 0, rounds = std::atoi(argv[3]); i < rounds; ++i) {
        round.roundScore = i;
        const HistoryStatus status = history.recordRound(round);
        if (!status.isDone) {
            std::fputs(qPrintable(status.message), stderr);
            return 1;
        }
    }
    return 0;
}
