// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/word_selection.h"

#include <QByteArray>

// A board dealt from `seed` in one line: its five words and where they cross.
inline QByteArray dealtLine(uint64_t seed)
{
    const std::optional<PuzzleWords> puzzle = selectPuzzleWords(seed);
    if (!puzzle)
        return "none";
    QByteArray line;
    for (const auto& word : puzzle->words)
        line += QByteArray(word.data()) + ' ';
    return line + QByteArray::number(puzzle->vowelIndex) + QByteArray::number(puzzle->word2Cross)
        + QByteArray::number(puzzle->word4Cross);
}
