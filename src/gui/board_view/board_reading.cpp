// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/board_reading.h"

#include "gui/board_view/board_layout.h"
#include "core/board/word_selection.h"
#include "gui/board_view/cell_look.h"
#include "gui/board_view/grid.h"
#include "core/round/game_model.h"
#include "gui/look/text_field_values.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cctype>

void showBoard(const BoardState& board, QMainWindow* window, QLabel* computerScore, QLabel* playerScore)
{
    const std::optional<ChainCrossings> chain = chainOf(placementsOf(board));
    if (!chain)
        return;
    PuzzleWords puzzle {{}, chain->vowelIndex, chain->word2Cross, chain->word4Cross};
    for (int i = 0; i < gNumWords; ++i) {
        const QByteArray letters = board.words[i].letters.toLatin1();
        std::copy_n(letters.constData(), std::min<qsizetype>(letters.size(), 31), puzzle.words[i].begin());
    }
    layOutBoard(puzzle, window);
    gameModel().show(board);
    for (const TypedCell& typed : board.typed) {
        QLineEdit* field = gGrid[typed.x][typed.y].field.get();
        if (!field || !gGrid[typed.x][typed.y].editable)
            continue;
        // Quietly, so that the field neither upper-cases again nor moves the focus on.
        const bool wasBlocked = field->blockSignals(true);
        field->setText(typed.letter);
        field->blockSignals(wasBlocked);
    }
    showBoardVerdicts();
    if (computerScore)
        setIntValue(computerScore, gameModel().computerScore());
    if (playerScore)
        setIntValue(playerScore, gameModel().playerScore());
}
