// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_state.h"

#include <QString>

#include <optional>

// Where the cursor goes between words, and what becomes of a given letter typed over, as a
// crossword player expects. The steps from cell to cell along a word are the cells' own.

// The word, in chain order, that holds `cell`; a crossing counts as the earlier of its two
// words, whose letter it shows. -1 off the words.
int wordHolding(const ChainPlacements& words, BoardCell cell);

// Where a word is taken up: its first blank cell with nothing typed in it, or its first blank
// cell when every one holds a letter.
BoardCell wordEntry(const BoardState& board, int word);

// Where Tab goes from the last blank cell of the word holding `from`, or Shift+Tab (`backward`)
// from anywhere in it: the entry of the next (previous) word in chain order. None after the
// last word and before the first, where the focus leaves the board; none off the words.
std::optional<BoardCell> wordAfter(const BoardState& board, BoardCell from, bool backward);

// A player who types a whole word types its given letters too. This is where such typing
// stands: the given letters, in capitals, that the cursor stepped over and that are still to
// be typed through, and whether the cursor stayed on the cell a letter just went into, because
// its word has no blank cell after it.
struct TypingThrough {
    QString givenAhead;
    bool stayed = false;
    bool operator==(const TypingThrough&) const = default;
};

// The typing once the cursor reached the blank cell `focus`: stepping forward onto it (after
// a letter, or by Tab) over the given letters right before it, or, when `stayed`, staying on
// the cell just typed into, with the given letters after it ahead.
TypingThrough typingAt(const BoardState& board, BoardCell focus, bool stayed);

enum class TypedLetter {
    IntoCell,     // typed into the cell holding the focus, as always
    ThroughGiven, // the given letter next ahead, typed through: nothing changes
    Dropped,      // past the word's end: the last cell keeps its letter
};

// What becomes of `letter`, typed now, whatever its case; one typed through is taken off the
// given letters ahead, and a letter that is not the one ahead ends typing through.
TypedLetter typeLetter(TypingThrough& typing, const QString& letter);
