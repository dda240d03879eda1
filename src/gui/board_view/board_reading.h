// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/kept_board/board_document.h"

#include <optional>

class QLabel;
class QMainWindow;

// Makes `board` the game model's and lays it out as a dealt board is laid out, its typed
// letters painted and told with their verdicts, and shows its player's score; the focus on the
// first cell. The computer's score is the letter value of its words, whatever the board says.
// A board whose words do not chain changes nothing.
void showBoard(const BoardState& board, QMainWindow* window, QLabel* computerScore, QLabel* playerScore);
