// SPDX-License-Identifier: GPL-3.0-or-later
// A submission checks the board, saves the statistics and lists the computer's words, about
// 230 console messages into a console that may be nearly full: it must fit in a frame.
#include "gui/app/app_delegate.h"
#include "core/platform/log_console.h"
#include "core/player/user_defaults_store.h"
#include "core/player/stats_persistence.h"
#include "core/player/user_stats.h"
#include "gui/look/console_view.h"

#include <QMainWindow>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

namespace {

void fillConsoleNearlyFull(QPlainTextEdit& console)
{
    QString text;
    while (text.size() < 249000)
        text += QString(59, u'x') + u'\n';
    text.truncate(249000);
    console.setPlainText(text);
}

void BM_SubmitScoreIntoANearlyFullConsole(benchmark::State& state)
{
    AppDelegate controller;
    controller.window()->show();
    controller.applicationDidFinishLaunching(nullptr);
    for (auto _ : state) {
        state.PauseTiming();
        fillConsoleNearlyFull(*controller.resultView);
        state.ResumeTiming();
        controller.SubmitScore(nullptr);
    }
    gTextView = nullptr;
}
BENCHMARK(BM_SubmitScoreIntoANearlyFullConsole)->Unit(benchmark::kMillisecond);

// One player record, written the way every save writes it: locked, re-read, replaced whole,
// committed to disk.
void BM_SaveOnePlayerRecord(benchmark::State& state)
{
    UserDefaultsStore store(UserDefaultsStore::standardFilePath());
    const StoreDictionary record {{"averageScore", 17.0f}, {"totalScores", int64_t {17}},
                                  {"totalWordsMade", int32_t {2}}, {"bestWord", QStringLiteral("GARDEN")}};
    for (auto _ : state)
        store.setObject(QStringLiteral("ada"), record);
}
BENCHMARK(BM_SaveOnePlayerRecord)->Unit(benchmark::kMillisecond);

} // namespace
