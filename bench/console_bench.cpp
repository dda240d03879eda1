// SPDX-License-Identifier: GPL-3.0-or-later
// The console takes about 230 messages per round submission, most of them when it is
// already nearly full: one append must stay far below a frame.
#include "gui/app/app_delegate.h"
#include "core/platform/log_console.h"
#include "gui/look/console_view.h"

#include <QMainWindow>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

namespace {

constexpr int kNearlyFull = 249000;
constexpr int kLineLength = 60;

void fillNearlyFull(QPlainTextEdit& console)
{
    QString text;
    text.reserve(kNearlyFull);
    while (text.size() < kNearlyFull) {
        text += QString(kLineLength - 1, u'x');
        text += u'\n';
    }
    text.truncate(kNearlyFull);
    console.setPlainText(text);
}

// Each message adds one character to the last line. The console is refilled, untimed, every
// fifty messages, so the last line stays as short as real console lines and the text never
// reaches the limit.
void BM_MyPrintfIntoNearlyFullConsole(benchmark::State& state)
{
    AppDelegate controller;
    controller.window()->show();
    QPlainTextEdit& console = *controller.resultView;
    attachConsoleView(&console, console.font());
    fillNearlyFull(console);
    int appended = 0;
    for (auto _ : state) {
        myPrintf("x");
        if (++appended == 50) {
            state.PauseTiming();
            fillNearlyFull(console);
            appended = 0;
            state.ResumeTiming();
        }
    }
    gTextView = nullptr;
}
BENCHMARK(BM_MyPrintfIntoNearlyFullConsole)->Unit(benchmark::kMicrosecond);

void BM_MyPrintfWithoutConsole(benchmark::State& state)
{
    for (auto _ : state)
        myPrintf("'%s' is a word.\n", "GARDEN");
}
BENCHMARK(BM_MyPrintfWithoutConsole)->Unit(benchmark::kMicrosecond);

} // namespace
