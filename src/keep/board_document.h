// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// What the last check said of the slot a typed letter lies in.
enum class CellVerdict { None, Word, NotWord };

// One of the five words as laid on the board: its first cell and the way it runs.
struct PlacedWord {
    QString letters; // six lower-case ASCII letters
    int x = 0;       // 0 <= x, y < 20, the board's columns and rows
    int y = 0;
    bool isAcross = true;
};

// A letter the player typed, where it stands and how the last check judged it.
struct TypedCell {
    int x = 0;
    int y = 0;
    QString letter; // one character as shown
    CellVerdict verdict = CellVerdict::None;
};

// A board in progress, with nothing that needs a widget: the five words in the order they
// chain (across, down, across, down, across), the letters typed, and the two scores shown.
// The fixed letters are where the words cross and follow from the words. The identity tells
// one deal from another, so that a board submitted in one game is known in every other.
struct BoardDocument {
    std::array<PlacedWord, 5> words;
    std::vector<TypedCell> typed;
    int computerScore = 0;
    int playerScore = 0;
    QString id; // letters, digits, '.', '-'; empty in a document kept before boards had one

    bool operator==(const BoardDocument&) const = default;
};

inline bool operator==(const PlacedWord& a, const PlacedWord& b)
{
    return a.letters == b.letters && a.x == b.x && a.y == b.y && a.isAcross == b.isAcross;
}
inline bool operator==(const TypedCell& a, const TypedCell& b)
{
    return a.x == b.x && a.y == b.y && a.letter == b.letter && a.verdict == b.verdict;
}

// The document as indented JSON.
QByteArray writeBoardDocument(const BoardDocument& board);

// Reads a document written by writeBoardDocument. Refuses, with the reason in `error`, one
// that is not JSON, misses a field, places a word off the board or off the chain, lets two
// words disagree where they cross, or puts a typed letter anywhere but a blank cell of a word.
std::optional<BoardDocument> readBoardDocument(const QByteArray& bytes, QString* error = nullptr);

// The board's identity: its id, or for a board kept without one its words and where they lie,
// the same in every game that reads it.
QString boardIdentity(const BoardDocument& board);

// Where the five words cross, each cell once: the letters the player cannot change.
std::vector<std::pair<int, int>> crossingCells(const BoardDocument& board);
