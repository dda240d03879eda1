// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary judges every slot of every check. Measured side by side with WordNet's own
// C library doing the least it can on the same words: morphology plus an index look-up,
// no definition at all.
#include "gui/app/app_delegate.h"
#include "gui/board_view/board_layout.h"
#include "core/board/word_selection.h"
#include "core/platform/log_console.h"
#include "gui/board_view/grid.h"
#include "core/dictionary/dictionary.h"
#include "gui/look/console_view.h"
#include "core/dictionary/dictionary_check.h"

#include <QMainWindow>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>
#include <wn.h>

#include <string>
#include <vector>

namespace {

// Puzzle words, inflections and strings that are no words, in equal parts.
const std::vector<std::string> kMix {
    "garden", "anchor", "chosen", "normal", "silver", "planet", "oxygen", "zephyr",
    "houses", "geese", "walked", "bigger", "running", "tabbed", "sweaty", "juiced",
    "qzxvbn", "xkcdqj", "bzzzrt", "ptkfff", "lorbex", "mivvak", "catxyz", "snorfl",
};

bool wordNetLibraryKnows(const std::string& word)
{
    std::string buffer = word;
    for (int pos = 1; pos <= NUMPARTS; ++pos) {
        if (IndexPtr index = index_lookup(buffer.data(), pos)) {
            free_index(index);
            return true;
        }
        for (char* base = morphstr(buffer.data(), pos); base; base = morphstr(nullptr, pos)) {
            if (IndexPtr index = index_lookup(base, pos)) {
                free_index(index);
                return true;
            }
        }
    }
    return false;
}

void BM_IsWord(benchmark::State& state)
{
    std::vector<QString> words;
    for (const std::string& word : kMix)
        words.push_back(QString::fromStdString(word));
    for (const QString& word : words)
        isWord(word); // opens the dictionary and loads Hunspell before timing
    for (auto _ : state) {
        for (const QString& word : words)
            benchmark::DoNotOptimize(isWord(word));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(words.size()));
}
BENCHMARK(BM_IsWord)->Unit(benchmark::kMicrosecond);

void BM_WordNetLibraryLookup(benchmark::State& state)
{
    wninit();
    for (auto _ : state) {
        for (const std::string& word : kMix)
            benchmark::DoNotOptimize(wordNetLibraryKnows(word));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kMix.size()));
}
BENCHMARK(BM_WordNetLibraryLookup)->Unit(benchmark::kMicrosecond);

// Mapping WordNet's files and reading the function words; Hunspell waits for its first use.
void BM_OpenDictionary(benchmark::State& state)
{
    for (auto _ : state) {
        setDictionaryPaths(DictionaryPaths::installed());
        benchmark::DoNotOptimize(termRangeInString(QStringLiteral("a"), 0));
    }
}
BENCHMARK(BM_OpenDictionary)->Unit(benchmark::kMicrosecond);

PuzzleWords puzzleForBench()
{
    PuzzleWords puzzle;
    const char* words[] = {"garden", "anchor", "chosen", "normal", "silver"};
    for (int i = 0; i < 5; ++i)
        std::copy(words[i], words[i] + 7, puzzle.words[i].begin());
    puzzle.vowelIndex = 1;
    puzzle.word2Cross = 1;
    puzzle.word4Cross = 2;
    return puzzle;
}

// The worked example filled with its own words, checked again and again.
void BM_CheckAllWordsOnAFilledBoard(benchmark::State& state)
{
    AppDelegate controller;
    controller.window()->show();
    gTextView = controller.resultView;
    layOutBoard(puzzleForBench(), controller.window());
    for (auto& column : gGrid)
        for (GridCell& cell : column)
            if (cell.field && cell.editable)
                cell.field->setText(QString(QChar(cell.solutionLetter).toUpper()));
    controller.CheckAllWords(nullptr);
    for (auto _ : state)
        controller.CheckAllWords(nullptr);
    gTextView = nullptr;
    clearBoard();
}
BENCHMARK(BM_CheckAllWordsOnAFilledBoard)->Unit(benchmark::kMicrosecond);

} // namespace
