// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The application's own diagnostics, off by default; QT_LOGGING_RULES="sixfold.app.debug=true"
// shows them on standard error. Packaging checks read them to see a game get going.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
