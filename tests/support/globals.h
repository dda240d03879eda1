// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/board_view/cell_look.h"
#include "gui/board_view/my_text_field.h"
#include "gui/board_view/grid.h"
#include "support/core_resets.h"
#include "gui/look/console_view.h"
#include "gui/look/window_handle.h"

// The console shows messages on gTextView once a test sets it, and never keeps a view.
inline void resetWindow() { attachConsoleView(nullptr, QFont()), gWindow = nullptr; }

inline void resetCells() { resetWindow(), clearBoard(), resetRound(), myTextField::forgetTabPress(), gBoardPalette = {}; }

inline void resetGame() { resetWords(), resetCells(), resetStats(), resetRound(); }

using WindowTest = LayerTest<resetWindow>;
using CellsTest = LayerTest<resetCells>;
using GameTest = LayerTest<resetGame>;
