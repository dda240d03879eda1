// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_state.h"
#include "core/round/lexicon.h"

#include <QString>

#include <optional>

// The words the computer deals from, as a lexicon: words a casual player knows, against the
// full lexicon's rare ones. Made from the deal list when first asked for after the list changed;
// for the game's own thread, like the list.
const Lexicon& commonWords();

// A letter the game fills in for the player, or why it fills none.
struct Hint {
    std::optional<BoardCell> cell; // none when no letter is given
    QString letter;                // upper case, as the player's letters show
    QString said;                  // a sentence for the console and a screen reader
};

// A hint for the word holding the cursor at `focus`: a crossing cell belongs to its across
// word, any other cell to its one word; without a cursor on the board, the first word in
// chain order with an empty cell. The highest-scoring common word that fits every letter the
// word holds (given and typed) gives the letter of the cell under the cursor when that one is
// empty, else of the word's first empty cell. The words cross only at given letters, so a
// word that fits its own letters fits its crossings too.
Hint hintFor(const BoardState& board, std::optional<BoardCell> focus, const Lexicon& common);

// "1 hint", "2 hints".
QString hintCount(int hints);

// The sentence an outcome or a review ends with when hints were taken: "2 hints taken.".
QString hintsTaken(int hints);
