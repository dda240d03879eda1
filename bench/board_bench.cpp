// SPDX-License-Identifier: GPL-3.0-or-later
// A new puzzle is made at launch and after every submission; making one must be
// unnoticeable.
#include "app/app_delegate.h"
#include "board/word_selection.h"
#include "words/word_list.h"

#include <QMainWindow>

#include <benchmark/benchmark.h>

namespace {

void BM_SelectPuzzleWords(benchmark::State& state)
{
    loadSixWordList();
    for (auto _ : state)
        benchmark::DoNotOptimize(selectPuzzleWords());
}
BENCHMARK(BM_SelectPuzzleWords)->Unit(benchmark::kMicrosecond);

// Selection, the computer's score and the 26 fields laid out on the shown window.
void BM_CreateBoard(benchmark::State& state)
{
    AppDelegate controller;
    controller.window()->show();
    loadSixWordList();
    for (auto _ : state)
        controller.createBoard();
}
BENCHMARK(BM_CreateBoard)->Unit(benchmark::kMicrosecond);

} // namespace
