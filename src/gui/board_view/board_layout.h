// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMainWindow;
class QWidget;
struct PuzzleWords;

// Clears the board and lays the five words out on it: one field per cell, placed on the
// window's content view column by column, the focus on the cell at (0, 0). Without a
// window the board model is built all the same and the fields stay off screen.
void layOutBoard(const PuzzleWords& puzzle, QMainWindow* window);

// Shows each word's points from the last check beside its last cell of the board on
// `contentView`, in the board's colours; the board does so itself whenever the points change.
void showWordPoints(QWidget* contentView);
