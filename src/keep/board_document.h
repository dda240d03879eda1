// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/board_geometry.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// One of the five words as laid on the board.
struct PlacedWord {
    QString letters; // six lower-case ASCII letters
    Placement place;
    bool operator==(const PlacedWord&) const = default;
};

// A letter the player typed, where it stands and how the last check judged it.
struct TypedCell {
    int x = 0;
    int y = 0;
    QString letter; // one character as shown
    Verdict verdict = Verdict::Unchecked;
    bool operator==(const TypedCell&) const = default;
};

// A board in progress, with nothing that needs a widget: the five words in the order they
// chain (across, down, across, down, across), the letters typed, and the two scores shown.
// The fixed letters are where the words cross and follow from the words.
struct BoardDocument {
    std::array<PlacedWord, kWordCount> words;
    std::vector<TypedCell> typed;
    int computerScore = 0;
    int playerScore = 0;

    bool operator==(const BoardDocument&) const = default;
};

// Where the words lie, in chain order.
ChainPlacements placementsOf(const BoardDocument& board);

// The document as indented JSON.
QByteArray writeBoardDocument(const BoardDocument& board);

// Reads a document written by writeBoardDocument. Refuses, with the reason in `error`, one
// that is not JSON, misses a field, places a word off the board or off the chain, lets two
// words disagree where they cross, or puts a typed letter anywhere but a blank cell of a word.
std::optional<BoardDocument> readBoardDocument(const QByteArray& bytes, QString* error = nullptr);

// Where the five words cross, each cell once: the letters the player cannot change. None
// when the words do not chain.
std::vector<BoardCell> crossingCells(const BoardDocument& board);
