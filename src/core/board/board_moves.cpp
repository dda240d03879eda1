// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/board_moves.h"

#include <algorithm>

namespace {

// The letter a crossing shows, in capitals; none for any other cell.
std::optional<QChar> givenLetterAt(const BoardState& board, BoardCell cell)
{
    const std::vector<BoardCell> crossings = crossingCells(board);
    const auto found = std::find(crossings.begin(), crossings.end(), cell);
    if (found == crossings.end())
        return std::nullopt;
    const PlacedWord& earlier = board.words[found - crossings.begin()];
    return earlier.letters.at(earlier.place.indexOf(cell)).toUpper();
}

bool holdsTypedLetter(const BoardState& board, BoardCell cell)
{
    return std::any_of(board.typed.begin(), board.typed.end(),
                       [cell](const TypedCell& typed) { return typed.x == cell.x && typed.y == cell.y && !typed.letter.isEmpty(); });
}

// The given letters next to `cell` in its word, going `step` (+1 or -1) from it, in reading order.
QString givenLettersBeside(const BoardState& board, BoardCell cell, int step)
{
    const int word = wordHolding(placementsOf(board), cell);
    if (word < 0)
        return {};
    const Placement& place = board.words[word].place;
    QString given;
    for (int k = place.indexOf(cell) + step; k >= 0 && k < kWordLength; k += step) {
        const std::optional<QChar> letter = givenLetterAt(board, place.cell(k));
        if (!letter)
            break;
        step > 0 ? given.append(*letter) : given.prepend(*letter);
    }
    return given;
}

} // namespace

int wordHolding(const ChainPlacements& words, BoardCell cell)
{
    const auto found = std::find_if(words.begin(), words.end(), [cell](const Placement& word) { return word.covers(cell); });
    return found == words.end() ? -1 : static_cast<int>(found - words.begin());
}

BoardCell wordEntry(const BoardState& board, int word)
{
    const Placement& place = board.words[word].place;
    std::optional<BoardCell> firstBlank;
    for (int k = 0; k < kWordLength; ++k) {
        const BoardCell cell = place.cell(k);
        if (givenLetterAt(board, cell))
            continue;
        if (!holdsTypedLetter(board, cell))
            return cell;
        if (!firstBlank)
            firstBlank = cell;
    }
    return firstBlank.value_or(place.start);
}

std::optional<BoardCell> wordAfter(const BoardState& board, BoardCell from, bool backward)
{
    const int word = wordHolding(placementsOf(board), from);
    const int next = word + (backward ? -1 : 1);
    if (word < 0 || next < 0 || next >= kWordCount)
        return std::nullopt;
    return wordEntry(board, next);
}

TypingThrough typingAt(const BoardState& board, BoardCell focus, bool stayed)
{
    return {givenLettersBeside(board, focus, stayed ? 1 : -1), stayed};
}

// Past the word's end a letter is dropped where the cells would let it replace the last one:
// a player typing a whole word who types a letter too many, or types the word again to be
// sure, would otherwise lose the last letter unseen. A player who means to change it moves
// onto the cell again (a click, an arrow, Backspace and Tab), which selects its letter.
TypedLetter typeLetter(TypingThrough& typing, const QString& letter)
{
    if (!typing.givenAhead.isEmpty() && letter.toUpper() == QString(typing.givenAhead.front())) {
        typing.givenAhead.remove(0, 1);
        return TypedLetter::ThroughGiven;
    }
    typing.givenAhead.clear();
    return typing.stayed ? TypedLetter::Dropped : TypedLetter::IntoCell;
}
