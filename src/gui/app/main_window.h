// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class BoardKeeper;
class QMainWindow;
class QWidget;

// A main window built from the form, at its fixed size, with none of its controls bound.
std::unique_ptr<QMainWindow> loadMainWindow();

// The board's cells go with the window: they are children of its content view.
void moveBoardInto(QWidget* contentView);

// Takes the board's cells off the window, which hides them too, before a new board is dealt.
void takeBoardOffWindow();

// Tells `keeper` of every letter typed into, or taken from, a blank cell of the board shown.
void watchBoardCells(BoardKeeper* keeper);
