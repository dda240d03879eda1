// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/round/hint.h"

#include "core/board/word_list.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

const Lexicon& commonWords()
{
    static QByteArray table; // the deal list's rows as the lexicon was made from them
    static Lexicon common;
    const QByteArrayView rows(gSixWords[0], qsizetype(gSixListMax) * kSixWordRowSize);
    if (rows == table)
        return common;
    table = rows.toByteArray();
    QByteArray words;
    for (int row = 1; row < gSixListMax; ++row) {
        const QByteArrayView word(gSixWords[row]);
        // As the deal draws them: rows of six ASCII letters only.
        if (word.size() == kWordLength && std::all_of(word.begin(), word.end(), [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }))
            words += word.toByteArray() + '\n';
    }
    common = Lexicon(words);
    return common;
}

namespace {

struct PlacedLetters {
    std::string pattern;         // lower case, kAnyLetter where empty, for the lexicon
    QStringList shown;           // upper case, "_" where empty, for the player
    std::vector<int> empty;      // the indexes of the empty cells
};

PlacedLetters placedLetters(const BoardState& board, int word)
{
    PlacedLetters placed;
    const PlacedWord& slot = board.words[word];
    const std::vector<BoardCell> crossings = crossingCells(board);
    for (int k = 0; k < kWordLength; ++k) {
        const BoardCell cell = slot.place.cell(k);
        const auto typed = std::find_if(board.typed.begin(), board.typed.end(),
                                        [&](const TypedCell& t) { return BoardCell {t.x, t.y} == cell && !t.letter.isEmpty(); });
        const QString letter = std::find(crossings.begin(), crossings.end(), cell) != crossings.end() ? slot.letters.mid(k, 1)
            : typed != board.typed.end()                                                              ? typed->letter
                                                                                                      : QString();
        const QChar first = letter.isEmpty() ? QChar() : letter.front().toLower();
        // A typed character no word holds (a digit, an accented letter) fits no word.
        placed.pattern += letter.isEmpty() ? kAnyLetter : first >= u'a' && first <= u'z' ? first.toLatin1() : '\x01';
        placed.shown << (letter.isEmpty() ? QStringLiteral("_") : letter.toUpper());
        if (letter.isEmpty())
            placed.empty.push_back(k);
    }
    return placed;
}

int wordForHint(const BoardState& board, std::optional<BoardCell> focus)
{
    for (const Direction way : {Direction::Across, Direction::Down}) {
        for (int w = 0; focus && w < kWordCount; ++w) {
            if (board.words[w].place.direction == way && board.words[w].place.covers(*focus))
                return w;
        }
    }
    for (int w = 0; w < kWordCount; ++w) {
        if (!placedLetters(board, w).empty.empty())
            return w;
    }
    return -1;
}

} // namespace

Hint hintFor(const BoardState& board, std::optional<BoardCell> focus, const Lexicon& common)
{
    const int word = wordForHint(board, focus);
    if (word < 0)
        return {std::nullopt, QString(), QCoreApplication::translate("Hint", "Every cell is filled: a hint fills an empty cell.")};
    const PlacedLetters placed = placedLetters(board, word);
    if (placed.empty.empty())
        return {std::nullopt, QString(), QCoreApplication::translate("Hint", "This word has no empty cell: a hint fills an empty cell of the word the cursor is in.")};
    const std::vector<ScoredWord> fitting = common.bestFitting(placed.pattern, 1);
    if (fitting.empty())
        return {std::nullopt, QString(), QCoreApplication::translate("Hint", "No common word fits %1.", "%1 spells the word's letters, an underscore for each empty cell").arg(placed.shown.join(u' '))};
    const Placement& place = board.words[word].place;
    const int focused = focus ? place.indexOf(*focus) : -1;
    const int index = std::find(placed.empty.begin(), placed.empty.end(), focused) != placed.empty.end() ? focused : placed.empty.front();
    const BoardCell cell = place.cell(index);
    const QString letter = QString(QChar::fromLatin1(fitting.front().text[static_cast<size_t>(index)])).toUpper();
    return {cell, letter, QCoreApplication::translate("Hint", "Hint: %1 in row %2, column %3.").arg(letter, QString::number(cell.y + 1), QString::number(cell.x + 1))};
}

QString hintCount(int hints)
{
    return hints == 1 ? QCoreApplication::translate("Hint", "1 hint") : QCoreApplication::translate("Hint", "%n hints", nullptr, hints);
}

QString hintsTaken(int hints)
{
    return hints == 1 ? QCoreApplication::translate("Hint", "1 hint taken.") : QCoreApplication::translate("Hint", "%n hints taken.", nullptr, hints);
}
