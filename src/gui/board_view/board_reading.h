// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/kept_board/board_document.h"

#include <optional>

class QLabel;
class QMainWindow;

// Lays `board` out as a dealt board is laid out, then puts back its typed letters with their
// verdicts and its player's score, the focus on the first cell. The computer's score is the
// letter value of its words, whatever the board says.
void showBoard(const BoardState& board, QMainWindow* window, QLabel* computerScore, QLabel* playerScore);
