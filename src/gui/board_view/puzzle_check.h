// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/board_view/grid.h"

#include <QString>

#include <cstdint>
#include <vector>

// The counters of the latest check of the board.
struct PuzzleStats {
    int32_t wordsMade = 0;
    int32_t wordScores[5] = {}; // the valid words' scores in the order found; 0 beyond wordsMade
    int32_t roundScore = 0;
};

// Cleared and refilled by every check; read by the round submission right after one.
extern PuzzleStats gPuzzleStats;

// One word slot as the board shows it, read off the fields so that judging needs no widget.
struct SlotSnapshot {
    int32_t x = 0; // the start cell
    int32_t y = 0;
    int32_t direction = DirAcross; // DirAcross or DirDown, never DirBoth
    int32_t length = 0;            // 0 .. gWordSize
    QString cells[gWordSize];      // each cell's text as shown, in reading order
    bool hasField[gWordSize] = {}; // false for a position without a field or off the board
};

// The slots in checking order: start cells column by column, top to bottom; where an
// across and a down word share a start, the down word first.
using BoardSnapshot = std::vector<SlotSnapshot>;

struct SlotVerdict {
    bool isWord = false;
    int32_t score = 0; // 0 unless isWord
};

// Reads every slot of gGrid from its fields.
BoardSnapshot readBoardSnapshot();

// Judges each slot and reports it on the console, in order: a slot is a word only when its
// six cells hold six ASCII characters that the dictionary takes as one whole word ("E-MAIL").
// Counts the valid ones in gPuzzleStats and raises the player's best word.
std::vector<SlotVerdict> judgeBoard(const BoardSnapshot& board);

// Colours each slot's typed letters green (a word) or red (not a word).
void colourBoard(const BoardSnapshot& board, const std::vector<SlotVerdict>& verdicts);

// What one check read and how it judged each slot, in checking order.
struct BoardCheck {
    BoardSnapshot board;
    std::vector<SlotVerdict> verdicts;
};

// Reads, judges and colours the board; returns the round total. With `check`, also hands
// back what it read and judged.
int32_t checkBoardWords(BoardCheck* check = nullptr);

// Raises the player's best round score, with its message, when `roundTotal` beats it.
void recordRoundScore(int32_t roundTotal);
