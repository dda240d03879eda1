// SPDX-License-Identifier: GPL-3.0-or-later
// history_writer FILE PLAYER ROUNDS: records ROUNDS rounds for PLAYER as fast as it can, as a second game would.
#include "core/history/history_database.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    HistoryDatabase history(QString::fromLocal8Bit(argv[1]));
    RoundRecord round;
    round.player = QString::fromLocal8Bit(argv[2]);
    for (; argc == 4 && round.roundScore < std::atoi(argv[3]); ++round.roundScore)
        if (const HistoryStatus status = history.recordRound(round); !status.isDone)
            return std::fputs(qPrintable(status.message), stderr), 1;
    return argc == 4 ? 0 : 2;
}
