// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMainWindow;
class QWidget;
struct BoardState;
struct PuzzleWords;

// Clears gGrid and builds it from `board`, the game model's: one field per cell, each typed
// letter in its field, placed on the board's panel (else the window's content view) column
// by column, the focus on the cell at (0, 0), and all painted from the model. Each cell
// reports its text to the model, and the board is painted again whenever the model's verdicts
// or points change. Without a window gGrid is built all the same and the fields stay off
// screen; a board whose words do not chain leaves it empty.
void layOutBoard(const BoardState& board, QMainWindow* window);

// Deals `puzzle` into the game model and lays the model's board out as above.
void layOutBoard(const PuzzleWords& puzzle, QMainWindow* window);

// Puts the cells of gGrid on the board's panel of `contentView` (on `contentView` itself
// when it has none), each where it stood at 100 % on the content view it came from.
void moveCellsOnto(QWidget* contentView);

// Shows each word's points from the last check beside its last cell of the board on
// `contentView`, in the board's colours; the board does so itself whenever the points change.
void showWordPoints(QWidget* contentView);
