// SPDX-License-Identifier: GPL-3.0-or-later
// The best words are looked for after every submitted round: the lexicon is read at the
// first of them (at most 20 ms), and a whole board's best words must take at most 1 ms.
#include "core/round/board_best.h"
#include "core/round/game_model.h"
#include "core/platform/resources.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

void BM_LoadLexicon(benchmark::State& state)
{
    const QString path = pathForResource(QStringLiteral("Lexicon"), QStringLiteral("txt")).value_or(QString());
    for (auto _ : state) {
        const Lexicon lexicon(readWholeFile(path).value_or(QByteArray()));
        benchmark::DoNotOptimize(lexicon.wordCount());
    }
}
BENCHMARK(BM_LoadLexicon)->Unit(benchmark::kMillisecond);

// Seeded boards whose words chain through their crossings, as dealing makes them.
std::vector<BoardState> dealtBoards(const Lexicon& lexicon, int count)
{
    const std::vector<ScoredWord> all = lexicon.bestFitting("??????", lexicon.wordCount());
    std::mt19937 random(42);
    std::vector<BoardState> boards;
    while (int(boards.size()) < count) {
        const int vowel = int(random() % 6);
        GameModel model;
        model.deal({}, {vowel, int(random() % std::min(vowel + 1, 5)), int(random() % 6)});
        BoardState board = *model.board();
        for (int w = 0; w < kWordCount; ++w)
            board.words[w].letters = QString::fromStdString(all[random() % all.size()].text);
        for (const BoardCell cell : crossingCells(board)) {
            for (int w = 1; w < kWordCount; ++w) {
                if (board.words[w].place.covers(cell) && board.words[w - 1].place.covers(cell))
                    board.words[w].letters[board.words[w].place.indexOf(cell)] = board.words[w - 1].letters[board.words[w - 1].place.indexOf(cell)];
            }
        }
        boards.push_back(board);
    }
    return boards;
}

// Each slot's five best words, as the round review shows them.
void BM_BestOfBoard(benchmark::State& state)
{
    const Lexicon& lexicon = Lexicon::shared();
    const std::vector<BoardState> boards = dealtBoards(lexicon, 64);
    size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(bestOfBoard(boards[next++ % boards.size()], lexicon, 5).total);
}
BENCHMARK(BM_BestOfBoard)->Unit(benchmark::kMicrosecond);

} // namespace
