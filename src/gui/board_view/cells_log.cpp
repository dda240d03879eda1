// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/cells_log.h"

Q_LOGGING_CATEGORY(lcCells, "sixfold.cells", QtInfoMsg)
