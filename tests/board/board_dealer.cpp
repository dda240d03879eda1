// SPDX-License-Identifier: GPL-3.0-or-later
// board_dealer CODE|YYYY-MM-DD...: the board each code or date's daily board deals from the
// shipped word list, one line each, as the pinned boards in word_selection_test.cpp read.
#include "dealt_line.h"
#include "model/board_code.h"
#include "words/word_list.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    loadSixWordList();
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QDate date = QDate::fromString(argument, Qt::ISODate);
        const uint64_t seed = date.isValid() ? dailySeed(dailyNumber(date)) : readBoardCode(argument, wordListTag()).seed;
        std::printf("%s\n", dealtLine(seed).constData());
    }
}
