// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a history of seeded rounds for three players, and optionally a picture of the
// statistics window on it (docs/statistics.png is made this way), with all rounds charted
// when asked.
//   make_history FILE ROUNDS [PICTURE.png [all]]
#include "sample_rounds.h"

#include "core/history/history_database.h"
#include "core/history/history_service.h"
#include "gui/statistics_window/statistics_window.h"

#include <QApplication>
#include <QCheckBox>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 3 || argc > 5) {
        std::fputs("usage: make_history FILE ROUNDS [PICTURE.png [all]]\n", stderr);
        return 2;
    }
    HistoryDatabase history(QString::fromLocal8Bit(argv[1]));
    if (const HistoryStatus status = history.open(); !status.isDone) {
        std::fputs(qPrintable(status.message), stderr);
        return 1;
    }
    SampleRounds::fill(history, std::atoi(argv[2]), 2026, QDateTime::fromSecsSinceEpoch(1767225600, Qt::UTC));
    if (argc >= 4) {
        HistoryService service(history.filePath());
        StatisticsWindow window(service, QStringLiteral("ada"));
        window.resize(1100, 760);
        window.findChild<QCheckBox*>()->setChecked(argc == 5 && QByteArray(argv[4]) == "all");
        window.show();
        while (window.isReading()) // the window reads on the history's thread
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::processEvents();
        if (!window.grab().save(QString::fromLocal8Bit(argv[3])))
            return 1;
    }
    return 0;
}
