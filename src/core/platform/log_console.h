// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QByteArray;
class QString;

// Where messages are shown besides standard output: the window's console view, once the
// window has attached it. Called with each whole message, on the main thread.
using ConsoleSink = void (*)(const QString& message);

// Attaches `sink` (nullptr detaches it). Until one is attached, messages reach standard
// output only.
void setConsoleSink(ConsoleSink sink);

// Formats like printf, shows the message on the attached console, then writes the same
// bytes to standard output. Adds nothing to the message: callers end their own lines. Any
// message fits, whatever its length.
void myPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Shows a message already whole (up to its first NUL) as myPrintf shows what it formats.
void printMessage(const QByteArray& message);
