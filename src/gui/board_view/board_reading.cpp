// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/board_reading.h"

#include "gui/board_view/board_layout.h"
#include "gui/board_view/grid.h"
#include "core/round/game_model.h"
#include "gui/look/text_field_values.h"

#include <QLabel>

void showBoard(const BoardState& board, QMainWindow* window, QLabel* computerScore, QLabel* playerScore)
{
    if (!chainOf(placementsOf(board)))
        return;
    clearBoard(); // before the model's news of the board reaches the cells of the one it replaces
    gameModel().show(board);
    layOutBoard(*gameModel().board(), window);
    if (computerScore)
        setIntValue(computerScore, gameModel().computerScore());
    if (playerScore)
        setIntValue(playerScore, gameModel().playerScore());
}
