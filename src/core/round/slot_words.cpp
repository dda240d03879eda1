// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/slot_words.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace {

bool isSlot(const GameModel& model, int slot)
{
    return model.board() && slot >= 0 && slot < kWordCount;
}

// Why a typed word does not fit, by the place of the given letter it contradicts: whole
// sentences, as each language orders and inflects its ordinals its own way.
constexpr const char* kGivenLetterRefusals[] = {
    QT_TRANSLATE_NOOP("SlotWords", "%1 does not fit: the 1st letter is given as %2."),
    QT_TRANSLATE_NOOP("SlotWords", "%1 does not fit: the 2nd letter is given as %2."),
    QT_TRANSLATE_NOOP("SlotWords", "%1 does not fit: the 3rd letter is given as %2."),
    QT_TRANSLATE_NOOP("SlotWords", "%1 does not fit: the 4th letter is given as %2."),
    QT_TRANSLATE_NOOP("SlotWords", "%1 does not fit: the 5th letter is given as %2."),
    QT_TRANSLATE_NOOP("SlotWords", "%1 does not fit: the 6th letter is given as %2."),
};
static_assert(static_cast<int>(std::size(kGivenLetterRefusals)) == kWordLength);

// "L", "L and E", "A, B and C".
QString joinedAsSpoken(QStringList items)
{
    const QString last = items.isEmpty() ? QString() : items.takeLast();
    return items.isEmpty() ? last
                           : QCoreApplication::translate("SlotWords", "%1 and %2", "a spoken list's last item, after the others").arg(items.join(QStringLiteral(", ")), last);
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
    //: a word of the board by its number, such as "1 across"
    return (across ? QCoreApplication::translate("Board", "%1 across") : QCoreApplication::translate("Board", "%1 down")).arg(slot + 1);
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
        letters << (letter.isEmpty() ? QCoreApplication::translate("Board", "blank", "a cell with no letter yet") : letter);
        if (model.isFixed(cell))
            given << letter;
    }
    QString reading = QStringLiteral("%1: %2").arg(slotName(*model.board(), slot), letters.join(u' '));
    if (!given.isEmpty())
        reading = QCoreApplication::translate("SlotWords", "%1, given %2", "a word's letters read out, then its given letters").arg(reading, joinedAsSpoken(given));
    const std::optional<int> points = model.pointsOf(slot);
    switch (model.wordVerdict(slot)) {
    case Verdict::Word:
        return (points ? QCoreApplication::translate("SlotWords", "%1; a word, %n points", "a word's letters read out, then its verdict", *points)
                       : QCoreApplication::translate("SlotWords", "%1; a word", "a word's letters read out, then its verdict"))
            .arg(reading);
    case Verdict::NotWord:
        return QCoreApplication::translate("SlotWords", "%1; not a word", "a word's letters read out, then its verdict").arg(reading);
    case Verdict::Unchecked:
        break;
    }
    return reading;
}

SlotFill fillSlot(const GameModel& model, int slot, const QString& typed)
{
    if (!isSlot(model, slot))
        return {{}, QCoreApplication::translate("SlotWords", "There is no board to type a word into.")};
    const QString word = typed.trimmed().toUpper();
    const QString name = slotName(*model.board(), slot);
    if (word.isEmpty())
        return {{}, QCoreApplication::translate("SlotWords", "Type a word of %1 letters for %2.").arg(QString::number(kWordLength), name)};
    if (!std::all_of(word.begin(), word.end(), isAsciiLetter))
        return {{}, QCoreApplication::translate("SlotWords", "%1 does not fit: a word is letters from A to Z only.").arg(word)};
    if (word.size() != kWordLength)
        return {{}, QCoreApplication::translate("SlotWords", "%1 does not fit: %2 has %3 letters, not %4.")
                        .arg(word, name, QString::number(kWordLength), QString::number(word.size()))};
    SlotFill fill;
    const Placement& place = model.board()->words[slot].place;
    for (int k = 0; k < kWordLength; ++k) {
        const BoardCell cell = place.cell(k);
        const QString letter = word.mid(k, 1);
        if (!model.isFixed(cell))
            fill.letters.emplace_back(cell, letter);
        else if (const QString given = model.letterAt(cell); given != letter)
            return {{}, QCoreApplication::translate("SlotWords", kGivenLetterRefusals[k]).arg(word, given)};
    }
    return fill;
}
