// SPDX-License-Identifier: GPL-3.0-or-later
// The history must never slow a submission down, and the statistics window must open at
// once on a long history: one round's write with its commit, and every query the window
// runs on 100,000 rounds.
#include "sample_rounds.h"

#include "history/history_database.h"
#include "statsview/statistics_window.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kLongHistory = 100000;
const QDateTime kStart = QDateTime::fromSecsSinceEpoch(1767225600, Qt::UTC);

// Made once per run; the 70 % of rounds that are ada's are what the window shows.
const QString& longHistory()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("history.sqlite"));
        HistoryDatabase history(file);
        SampleRounds::fill(history, kLongHistory, 7, kStart);
        return file;
    }();
    return path;
}

void BM_RecordRound(benchmark::State& state)
{
    QTemporaryDir folder;
    HistoryDatabase history(folder.filePath(QStringLiteral("history.sqlite")));
    SampleRounds sample(3);
    QList<RoundRecord> rounds;
    for (int i = 0; i < 500; ++i)
        rounds << sample.next(QStringLiteral("ada"), kStart.addSecs(60 * i), 0.7);
    history.open();
    int next = 0;
    for (auto _ : state)
        history.recordRound(rounds[next++ % rounds.size()]);
}
BENCHMARK(BM_RecordRound)->Unit(benchmark::kMicrosecond);

void BM_StatisticsOf100kRounds(benchmark::State& state)
{
    const QString path = longHistory();
    state.counters["bytes_per_round"] = double(QFileInfo(path).size()) / kLongHistory;
    HistoryDatabase history(path);
    history.open();
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.players());
        benchmark::DoNotOptimize(history.statistics(QStringLiteral("ada")));
    }
}
BENCHMARK(BM_StatisticsOf100kRounds)->Unit(benchmark::kMillisecond);

// The window as the player gets it: built, filled and painted once.
void BM_OpenStatisticsWindowOn100kRounds(benchmark::State& state)
{
    HistoryDatabase history(longHistory());
    history.open();
    for (auto _ : state) {
        StatisticsWindow window(history, QStringLiteral("ada"));
        window.resize(1100, 760);
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpenStatisticsWindowOn100kRounds)->Unit(benchmark::kMillisecond);

} // namespace
