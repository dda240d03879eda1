// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/board_best.h"

#include <algorithm>

std::string slotPattern(const BoardState& board, int word)
{
    std::string pattern(kWordLength, kAnyLetter);
    if (word < 0 || word >= kWordCount)
        return pattern;
    const PlacedWord& placed = board.words[word];
    const QByteArray letters = placed.letters.toLower().toLatin1();
    for (const BoardCell cell : crossingCells(board)) {
        const int index = placed.place.indexOf(cell);
        if (index >= 0 && index < letters.size())
            pattern[index] = letters[index];
    }
    return pattern;
}

BoardBest bestOfBoard(const BoardState& board, const Lexicon& lexicon, size_t perSlot)
{
    BoardBest best;
    for (int word = 0; word < kWordCount; ++word) {
        best.patterns[word] = slotPattern(board, word);
        best.fitting[word] = lexicon.bestFitting(best.patterns[word], std::max<size_t>(perSlot, 1));
        if (!best.fitting[word].empty())
            best.total += best.fitting[word].front().score;
    }
    return best;
}
