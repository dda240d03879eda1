// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/round_history.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace {

std::optional<size_t> checkedIndex(const BoardCheck& check, const PlacedWord& word)
{
    const int32_t direction = word.place.direction == Direction::Across ? DirAcross : DirDown;
    for (size_t i = 0; i < check.board.size() && i < check.verdicts.size(); ++i) {
        const SlotSnapshot& slot = check.board[i];
        if (slot.x == word.place.start.x && slot.y == word.place.start.y && slot.direction == direction)
            return i;
    }
    return std::nullopt;
}

// A cell holds one character, which beyond the Basic Multilingual Plane is two UTF-16 units:
// both are kept, or half a pair would run into the next cell.
QString lettersAsLeft(const SlotSnapshot& slot)
{
    QString letters;
    for (int32_t k = 0; k < gWordSize; ++k) {
        const QString& cell = k < slot.length ? slot.cells[k] : QString();
        letters += cell.isEmpty() ? QString(u' ') : cell.left(cell.front().isHighSurrogate() ? 2 : 1);
    }
    return letters;
}

} // namespace

RoundRecord roundRecordOf(const QString& player, const QDateTime& playedAt, const BoardState& shown,
                          const BoardCheck& check)
{
    RoundRecord round;
    round.player = player;
    round.playedAt = playedAt.toUTC();
    round.computerScore = shown.computerScore;
    for (size_t w = 0; w < shown.words.size(); ++w) {
        const PlacedWord& word = shown.words[w];
        SlotRecord& slot = round.wordSlots[w];
        slot.x = word.place.start.x;
        slot.y = word.place.start.y;
        slot.direction = word.place.direction;
        slot.solution = word.letters;
        slot.letters = QString(gWordSize, u' ');
        if (const std::optional<size_t> index = checkedIndex(check, word)) {
            slot.letters = lettersAsLeft(check.board[*index]);
            slot.isWord = check.verdicts[*index].isWord;
            slot.score = check.verdicts[*index].score;
        }
        round.roundScore += slot.score;
        round.wordsMade += slot.isWord ? 1 : 0;
    }
    return round;
}
