// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

class QFont;
class QPlainTextEdit;

// The console view; set once by the launch handler and null before it. Messages written
// through myPrintf are appended to it while it exists.
extern QPointer<QPlainTextEdit> gTextView;

// A write that takes the console past this many characters (UTF-16 units) resets it to
// that write alone.
inline constexpr int kConsoleLimit = 250000;

// Makes `view` the console (gTextView) and has myPrintf append every message to it, shown in
// `font`. An empty console looks alike in any font, and loading one costs a launch about a
// millisecond, so the view takes `font` with its first text, not before.
void attachConsoleView(QPlainTextEdit* view, const QFont& font);
