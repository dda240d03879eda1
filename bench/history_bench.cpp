// SPDX-License-Identifier: GPL-3.0-or-later
// The history must never slow a submission down, and the statistics window must open at
// once on a long history: one round's write with its commit, and every query the window
// runs on 100,000 rounds. With SIXFOLD_MILLION_ROUNDS naming a history of a million rounds
// (`make_history FILE 1000000`; quicker, 100,000 made so and copied nine times over in SQL
// with the ids and times moved on), the same on a million rounds (700,000 of them ada's): the
// window's figures, its chart of all rounds, the review of a round and the export, each
// with the growth of the process's peak memory it caused. Run one benchmark per process
// (--benchmark_filter) for the memory figures: a peak, once reached, stays.
#include "sample_rounds.h"

#include "core/history/history_csv.h"
#include "core/history/history_database.h"
#include "core/history/history_service.h"
#include "gui/statistics_window/round_review_dialog.h"
#include "gui/statistics_window/statistics_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

constexpr int kLongHistory = 100000;
const QDateTime kStart = QDateTime::fromSecsSinceEpoch(1767225600, Qt::UTC);
const QString kPlayer = QStringLiteral("ada");

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

double peakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

// The million-round history, open, or none (the benchmark then says how to make one).
std::unique_ptr<HistoryDatabase> millionRounds(benchmark::State& state)
{
    const QString path = qEnvironmentVariable("SIXFOLD_MILLION_ROUNDS");
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        state.SkipWithError("set SIXFOLD_MILLION_ROUNDS to a history made by make_history FILE 1000000");
        return nullptr;
    }
    auto history = std::make_unique<HistoryDatabase>(path);
    history->open();
    return history;
}

// The window reads on the history's thread: it is drawn as the player sees it once every answer came.
void settle(const StatisticsWindow& window)
{
    while (window.isReading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// What the benchmark added to the process's peak, and the peak itself.
class PeakMemory {
public:
    explicit PeakMemory(benchmark::State& state)
        : m_state(state)
        , m_before(peakMegabytes())
    {
    }
    ~PeakMemory()
    {
        m_state.counters["peak_MB"] = peakMegabytes();
        m_state.counters["peak_growth_MB"] = peakMegabytes() - m_before;
    }

private:
    benchmark::State& m_state;
    double m_before;
};

void BM_RecordRound(benchmark::State& state)
{
    QTemporaryDir folder;
    HistoryDatabase history(folder.filePath(QStringLiteral("history.sqlite")));
    SampleRounds sample(3);
    QList<RoundRecord> rounds;
    for (int i = 0; i < 500; ++i)
        rounds << sample.next(kPlayer, kStart.addSecs(60 * i), 0.7);
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
        benchmark::DoNotOptimize(history.statistics(kPlayer, 100));
    }
}
BENCHMARK(BM_StatisticsOf100kRounds)->Unit(benchmark::kMillisecond);

// The window as the player gets it: built, filled and painted once.
void BM_OpenStatisticsWindowOn100kRounds(benchmark::State& state)
{
    HistoryService history(longHistory());
    for (auto _ : state) {
        StatisticsWindow window(history, kPlayer);
        settle(window);
        window.resize(1100, 760);
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpenStatisticsWindowOn100kRounds)->Unit(benchmark::kMillisecond);

// Everything the window reads when it opens.
void BM_MillionRoundsStatistics(benchmark::State& state)
{
    const auto history = millionRounds(state);
    if (!history)
        return;
    const PeakMemory peak(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(history->players());
        benchmark::DoNotOptimize(history->statistics(kPlayer, 100));
    }
}
BENCHMARK(BM_MillionRoundsStatistics)->Unit(benchmark::kMillisecond);

void BM_MillionRoundsOpenWindow(benchmark::State& state)
{
    const auto history = millionRounds(state);
    if (!history)
        return;
    HistoryService service(history->filePath());
    const PeakMemory peak(state);
    for (auto _ : state) {
        StatisticsWindow window(service, kPlayer);
        settle(window);
        window.resize(1100, 760);
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_MillionRoundsOpenWindow)->Unit(benchmark::kMillisecond);

// "All rounds" ticked on an open window, and the chart painted.
void BM_MillionRoundsTickAllRounds(benchmark::State& state)
{
    const auto history = millionRounds(state);
    if (!history)
        return;
    HistoryService service(history->filePath());
    StatisticsWindow window(service, kPlayer);
    settle(window);
    window.resize(1100, 760);
    window.grab();
    auto* allRounds = window.findChild<QCheckBox*>();
    const PeakMemory peak(state);
    for (auto _ : state) {
        allRounds->setChecked(true);
        settle(window);
        benchmark::DoNotOptimize(window.grab());
        state.PauseTiming();
        allRounds->setChecked(false);
        settle(window);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MillionRoundsTickAllRounds)->Unit(benchmark::kMillisecond);

// The first round, one in the middle and the one before the last (the last is read with the figures).
void BM_MillionRoundsReviewRound(benchmark::State& state)
{
    const auto history = millionRounds(state);
    if (!history)
        return;
    const PeakMemory peak(state);
    for (auto _ : state) {
        const std::optional<RoundRecord> round = history->round(kPlayer, int(state.range(0)));
        if (!round) {
            state.SkipWithError("no such round");
            return;
        }
        RoundReviewDialog review(*round, std::nullopt);
        benchmark::DoNotOptimize(review.grab());
    }
}
BENCHMARK(BM_MillionRoundsReviewRound)->Arg(1)->Arg(350000)->Arg(699999)->Unit(benchmark::kMillisecond);

void BM_MillionRoundsExportCsv(benchmark::State& state)
{
    const auto history = millionRounds(state);
    if (!history)
        return;
    QTemporaryDir folder;
    const PeakMemory peak(state);
    for (auto _ : state) {
        const CsvExport done = exportRoundsCsv(*history, kPlayer, folder.filePath(QStringLiteral("ada.csv")));
        if (!done.problem.isEmpty()) {
            state.SkipWithError(qPrintable(done.problem));
            return;
        }
    }
    state.counters["csv_MB"] = double(QFileInfo(folder.filePath(QStringLiteral("ada.csv"))).size()) / (1 << 20);
}
BENCHMARK(BM_MillionRoundsExportCsv)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
