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

// Where a result meant for the player's ear goes besides the console, which a screen reader
// does not follow while the focus is elsewhere: the window's announcer, once it is attached.
using Speaker = void (*)(const QString& sentence);

// Attaches `speaker` (nullptr detaches it). Until one is attached, nothing is said aloud.
void setSpeaker(Speaker speaker);

// Says `sentence` through the attached speaker. The console's own text is left as it is:
// what is said is added beside it, worded for listening (no grids, no quotes of layout).
void sayAloud(const QString& sentence);

// Formats like printf, shows the message on the attached console, then writes the same
// bytes to standard output. Adds nothing to the message: callers end their own lines. Any
// message fits, whatever its length.
void myPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Shows a message already whole (up to its first NUL) as myPrintf shows what it formats.
void printMessage(const QByteArray& message);

// Shows a message already whole, such as a translated sentence built with arg(), as
// printMessage shows bytes. Adds nothing: callers end their own lines.
void printMessage(const QString& message);
