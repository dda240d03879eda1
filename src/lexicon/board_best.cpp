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

QString roundOutcome(int yourScore, int computerScore, int bestPossible)
{
    const int margin = yourScore - computerScore;
    const QString verdict = margin > 0 ? QStringLiteral("you won by %1").arg(margin)
        : margin < 0                   ? QStringLiteral("you lost by %1").arg(-margin)
                                       : QStringLiteral("a draw");
    return QStringLiteral("Last round: you %1, computer %2 \u2013 %3.\nThe board allowed %4.")
        .arg(yourScore).arg(computerScore).arg(verdict).arg(bestPossible);
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
