// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/round_history.h"

#include "core/round/game_model.h"

#include <QDateTime>
#include <QString>

namespace {

// A cell holds one character, which beyond the Basic Multilingual Plane is two UTF-16 units:
// both are kept, or half a pair would run into the next cell.
QString lettersAsLeft(const GameModel& model, const Placement& place)
{
    QString letters;
    for (int k = 0; k < kWordLength; ++k) {
        const QString cell = model.letterAt(place.cell(k));
        letters += cell.isEmpty() ? QString(u' ') : cell.left(cell.front().isHighSurrogate() ? 2 : 1);
    }
    return letters;
}

} // namespace

RoundRecord roundRecordOf(const QString& player, const QDateTime& playedAt, const GameModel& model)
{
    RoundRecord round;
    round.player = player;
    round.playedAt = playedAt.toUTC();
    const std::optional<BoardState>& board = model.board();
    if (!board)
        return round;
    round.computerScore = board->computerScore;
    round.hints = board->hints;
    for (int w = 0; w < kWordCount; ++w) {
        const PlacedWord& word = board->words[w];
        SlotRecord& slot = round.wordSlots[w];
        slot.x = word.place.start.x;
        slot.y = word.place.start.y;
        slot.direction = word.place.direction;
        slot.solution = word.letters;
        slot.letters = lettersAsLeft(model, word.place);
        slot.isWord = model.wordVerdict(w) == Verdict::Word;
        slot.score = slot.isWord ? model.pointsOf(w).value_or(0) : 0;
        round.roundScore += slot.score;
        round.wordsMade += slot.isWord ? 1 : 0;
    }
    return round;
}
