// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_geometry.h"

#include <QString>

#include <array>
#include <vector>

// One of the five words as laid on the board.
struct PlacedWord {
    QString letters; // six lower-case ASCII letters
    Placement place;
    bool operator==(const PlacedWord&) const = default;
};

// A letter the player typed, where it stands and how the last check judged it.
struct TypedCell {
    int x {};
    int y {};
    QString letter; // one character as shown
    Verdict verdict = Verdict::Unchecked;
    bool operator==(const TypedCell&) const = default;
};

// A board in progress, with nothing that needs a widget: the five words in the order they
// chain (across, down, across, down, across), the letters typed, and the two scores shown.
// The fixed letters are where the words cross and follow from the words. The identity tells
// one deal from another, so that a board submitted in one game is known in every other.
struct BoardState {
    std::array<PlacedWord, kWordCount> words;
    std::vector<TypedCell> typed;
    int computerScore {};
    int playerScore {};
    QString id; // letters, digits, '.', '-'; empty in a document kept before boards had one
    int hints {}; // letters the game filled in for the player this round

    bool operator==(const BoardState&) const = default;
};

// Where the words lie, in chain order.
ChainPlacements placementsOf(const BoardState& board);

// Where the five words cross: the letters the player cannot change. None when the words
// do not chain.
std::vector<BoardCell> crossingCells(const BoardState& board);

// How a screen reader and the board's labels name a word, by its number in the chain: "1 across".
QString wordName(const ChainPlacements& words, int word);

// The numbers printed in the cells where words begin, one entry a cell in chain order: the
// numbers of the words that begin there, "1", or "1/2" where an across and a down word share it.
struct StartNumbers {
    BoardCell cell;
    QString numbers;
    bool operator==(const StartNumbers&) const = default;
};
std::vector<StartNumbers> wordStartNumbers(const ChainPlacements& words);

// A word's points as the label at its end shows them: its number, then "+9", or "0" for a
// slot that is not a word ("1: +12"), so that two words ending in one cell are told apart.
QString pointsCaption(int word, int points);

// The letter value of the five words together: the computer's score.
int computerScoreOf(const BoardState& board);

// What a screen reader says of one cell. The name comes before the reader's "text" and the
// letter, so it says only what the letter does not: "blank", "given", or on a word's first
// cell the word and its length ("1 across and 2 down, 6 letters"); a plain lettered cell is a
// "letter". Where the cell is and the words through it ("Row 1, column 3, in 1 across and
// 2 down") wait in the description, read after a pause or on request.
struct CellSpeech {
    QString name;
    QString description;
    bool operator==(const CellSpeech&) const = default;
};
CellSpeech cellSpeech(const ChainPlacements& words, BoardCell cell, bool isGiven, bool isBlank);

// What a screen reader hears of the board as a whole: "5 words of 6 letters: 1 across from
// row 1, column 1; ... Given letters: A at row 1, column 2; ...". The words must chain.
QString boardSummary(const BoardState& board);
