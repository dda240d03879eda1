// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The focus search's trace lines. Off by default; QT_LOGGING_RULES="sixfold.cells.debug=true"
// shows them on standard error.
Q_DECLARE_LOGGING_CATEGORY(lcCells)
