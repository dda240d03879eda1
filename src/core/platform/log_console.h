// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// Sends the platform layer's problem reports (a store it cannot write, a dictionary it
// cannot open) through myPrintf, so the player reads them on the console.
void reportPlatformProblemsOnConsole();
