// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

class QPlainTextEdit;

// The console view; set once by the launch handler and null before it. Messages written
// through myPrintf are appended to it while it exists.
extern QPointer<QPlainTextEdit> gTextView;

// A write that takes the console past this many characters (UTF-16 units) resets it to
// that write alone.
inline constexpr int kConsoleLimit = 250000;

// Makes `view` the console (gTextView) and has myPrintf append every message to it.
void attachConsoleView(QPlainTextEdit* view);
