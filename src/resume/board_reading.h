// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keep/board_document.h"

#include <optional>

class QLabel;
class QMainWindow;

// The board shown now, with the scores its two labels show; none when no board of five
// chained words is laid out.
std::optional<BoardState> readShownBoard(const QLabel* computerScore, const QLabel* playerScore);

// Lays `board` out as a dealt board is laid out, then puts back its typed letters with their
// verdicts and its two scores, the focus on the first cell.
void showBoard(const BoardState& board, QMainWindow* window, QLabel* computerScore, QLabel* playerScore);
