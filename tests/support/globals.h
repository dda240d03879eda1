// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cells/cell_look.h"
#include "cells/my_text_field.h"
#include "grid/grid.h"
#include "scoring/puzzle_check.h"
#include "support/core_resets.h"
#include "window/console_view.h"
#include "window/window_handle.h"

// The console shows messages on gTextView once a test sets it, and never keeps a view.
inline void resetWindow() { attachConsoleView(nullptr, QFont()), gWindow = nullptr; }

inline void resetCells() { resetWindow(), clearBoard(), myTextField::forgetTabPress(), gBoardPalette = {}; }

inline void resetGame() { resetWords(), resetCells(), resetStats(), gPuzzleStats = {}; }

using WindowTest = LayerTest<resetWindow>;
using CellsTest = LayerTest<resetCells>;
using GameTest = LayerTest<resetGame>;
