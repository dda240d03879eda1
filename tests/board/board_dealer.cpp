// SPDX-License-Identifier: GPL-3.0-or-later
// board_dealer CODE|YYYY-MM-DD...: the board each code or date's daily board deals from the
// shipped word list, one line each (five words, then where they cross), as pinned in
// word_selection_test.cpp.
#include "board/word_selection.h"
#include "model/board_code.h"
#include "words/word_list.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    loadSixWordList();
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QDate date = QDate::fromString(argument, Qt::ISODate);
        const CodeReading code = readBoardCode(argument, wordListTag());
        const auto puzzle = selectPuzzleWords(date.isValid() ? dailySeed(dailyNumber(date)) : code.seed);
        if (!puzzle || (!date.isValid() && code.fault != CodeFault::None)) {
            std::printf("none\n");
            continue;
        }
        for (const auto& word : puzzle->words)
            std::printf("%s ", word.data());
        std::printf("%d%d%d\n", puzzle->vowelIndex, puzzle->word2Cross, puzzle->word4Cross);
    }
}
