// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/word_selection.h"
#include "gui/board_view/my_text_field.h"
#include "gui/board_view/grid.h"
#include "support/core_resets.h"

#include <QMainWindow>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// Five words and their crossing indexes as the selection would have drawn them.
inline PuzzleWords puzzleOf(std::initializer_list<const char*> words, int32_t vowelIndex, int32_t word2Cross,
                            int32_t word4Cross)
{
    PuzzleWords puzzle {{}, vowelIndex, word2Cross, word4Cross};
    int i = 0;
    for (const char* word : words)
        std::strncpy(puzzle.words[i++].data(), word, 31);
    return puzzle;
}

// garden, anchor, chosen, normal, silver: crossing at 1, 1 and 2.
inline PuzzleWords workedExample() { return puzzleOf({"garden", "anchor", "chosen", "normal", "silver"}, 1, 1, 2); }

inline myTextField* fieldAt(int32_t x, int32_t y) { return qobject_cast<myTextField*>(gGrid[x][y].field.get()); }

// A main window with an empty central widget, where a board is laid out as on the game's own.
struct BoardWindow {
    std::unique_ptr<QMainWindow> owned = std::make_unique<QMainWindow>();
    BoardWindow() { owned->setCentralWidget(new QWidget); }
    QMainWindow* window() const { return owned.get(); }
};
