// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/round/game_model.h"

#include <QString>

#include <utility>
#include <vector>

// The board as a list of its five slots, numbered in chain order, for a player who would
// rather hear or type whole words than walk the cells.

// "1 across", "2 down": the slot as the list names it.
QString slotName(const BoardState& board, int slot);

// One slot as the list reads it, to the eye and to a screen reader alike: its letters as the
// board holds them, "blank" for an empty cell, its given letters, then what the last check
// said of it: "1 across: P L blank blank E T, given L and E" or "...; a word, 12 points".
// Empty off the board's slots.
QString slotReading(const GameModel& model, int slot);

// A whole word typed for a slot: the capital each of the slot's blank cells takes from it,
// or, when it cannot go in, why not in a sentence and no letters at all. Either case of a
// letter may be typed, and spaces around the word are not counted; the given letters must
// be matched.
struct SlotFill {
    std::vector<std::pair<BoardCell, QString>> letters;
    QString refusal; // empty when the word fits
};
SlotFill fillSlot(const GameModel& model, int slot, const QString& typed);
