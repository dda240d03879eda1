// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/slot_words.h"

#include <QStringList>

#include <algorithm>

namespace {

bool isSlot(const GameModel& model, int slot)
{
    return model.board() && slot >= 0 && slot < kWordCount;
}

QString ordinal(int number)
{
    const char* suffix = number == 1 ? "st" : number == 2 ? "nd" : number == 3 ? "rd" : "th";
    return QString::number(number) + QLatin1String(suffix);
}

// "L", "L and E", "A, B and C".
QString joinedAsSpoken(QStringList items)
{
    const QString last = items.isEmpty() ? QString() : items.takeLast();
    return items.isEmpty() ? last : QStringLiteral("%1 and %2").arg(items.join(QStringLiteral(", ")), last);
}

// The board's words are made of these alone: anything else could never make one.
bool isAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

} // namespace

QString slotName(const BoardState& board, int slot)
{
    if (slot < 0 || slot >= kWordCount)
        return {};
    const bool across = board.words[slot].place.direction == Direction::Across;
    return QStringLiteral("%1 %2").arg(slot + 1).arg(across ? QStringLiteral("across") : QStringLiteral("down"));
}

QString slotReading(const GameModel& model, int slot)
{
    if (!isSlot(model, slot))
        return {};
    const Placement& place = model.board()->words[slot].place;
    QStringList letters;
    QStringList given;
    for (int k = 0; k < kWordLength; ++k) {
        const BoardCell cell = place.cell(k);
        const QString letter = model.letterAt(cell);
        letters << (letter.isEmpty() ? QStringLiteral("blank") : letter);
        if (model.isFixed(cell))
            given << letter;
    }
    QString reading = QStringLiteral("%1: %2").arg(slotName(*model.board(), slot), letters.join(u' '));
    if (!given.isEmpty())
        reading += QStringLiteral(", given ") + joinedAsSpoken(given);
    const std::optional<int> points = model.pointsOf(slot);
    switch (model.wordVerdict(slot)) {
    case Verdict::Word:
        return reading + (points ? QStringLiteral("; a word, %1 points").arg(*points) : QStringLiteral("; a word"));
    case Verdict::NotWord:
        return reading + QStringLiteral("; not a word");
    case Verdict::Unchecked:
        break;
    }
    return reading;
}

SlotFill fillSlot(const GameModel& model, int slot, const QString& typed)
{
    if (!isSlot(model, slot))
        return {{}, QStringLiteral("There is no board to type a word into.")};
    const QString word = typed.trimmed().toUpper();
    const QString name = slotName(*model.board(), slot);
    if (word.isEmpty())
        return {{}, QStringLiteral("Type a word of %1 letters for %2.").arg(kWordLength).arg(name)};
    const QString refused = QStringLiteral("%1 does not fit: ").arg(word);
    if (!std::all_of(word.begin(), word.end(), isAsciiLetter))
        return {{}, refused + QStringLiteral("a word is letters from A to Z only.")};
    if (word.size() != kWordLength)
        return {{}, refused + QStringLiteral("%1 has %2 letters, not %3.").arg(name).arg(kWordLength).arg(word.size())};
    SlotFill fill;
    const Placement& place = model.board()->words[slot].place;
    for (int k = 0; k < kWordLength; ++k) {
        const BoardCell cell = place.cell(k);
        const QString letter = word.mid(k, 1);
        if (!model.isFixed(cell))
            fill.letters.emplace_back(cell, letter);
        else if (const QString given = model.letterAt(cell); given != letter)
            return {{}, refused + QStringLiteral("the %1 letter is given as %2.").arg(ordinal(k + 1), given)};
    }
    return fill;
}
