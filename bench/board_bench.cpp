// SPDX-License-Identifier: GPL-3.0-or-later
// A new puzzle is made at launch and after every submission; making one must be
// unnoticeable.
#include "gui/app/app_delegate.h"
#include "core/board/word_selection.h"
#include "core/board/board_code.h"
#include "core/board/word_list.h"

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

// The same from a board code, read and checked each time: the code costs no more than chance.
// Codes of many seeds, so that the boards' chains vary as they do at random.
void BM_SelectPuzzleWordsFromCode(benchmark::State& state)
{
    loadSixWordList();
    const WordListTag tag = wordListTag();
    QStringList codes;
    for (uint64_t seed = 1; seed <= 256; ++seed)
        codes << boardCode(seed * 0x9E3779B97F4A7C15ULL, tag);
    qsizetype next = 0;
    for (auto _ : state) {
        const CodeReading reading = readBoardCode(codes[next++ % codes.size()], tag);
        benchmark::DoNotOptimize(selectPuzzleWords(reading.seed));
    }
}
BENCHMARK(BM_SelectPuzzleWordsFromCode)->Unit(benchmark::kMicrosecond);

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
