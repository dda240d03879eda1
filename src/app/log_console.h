#pragma once

#include <QPointer>

class QPlainTextEdit;

// The console view; set once by the launch handler and null before it. Read by myPrintf,
// which has no controller at hand.
extern QPointer<QPlainTextEdit> gTextView;

// A write that takes the console past this many characters (UTF-16 units) resets it to
// that write alone.
inline constexpr int kConsoleLimit = 250000;

// Formats like printf, appends the message to the console and scrolls to its end, then
// writes the same bytes to standard output. Adds nothing to the message: callers end
// their own lines. Any message fits, whatever its length.
void myPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
