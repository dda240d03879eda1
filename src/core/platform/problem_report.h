// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <functional>

// What the lower layers cannot do for the player (a store they cannot write, a dictionary
// they cannot open) is the player's to hear, though they show nothing themselves: each
// problem, whole and ending in a line feed, goes to whoever listens. Until someone does,
// reports go to standard output.
using ProblemReporter = std::function<void(const QByteArray& message)>;

void setProblemReporter(ProblemReporter reporter);
void reportProblem(const QByteArray& message);

// Sends the reports on through the console's printMessage, so the player reads them there.
// The console itself knows nothing of reports: they reach it one way only.
void reportPlatformProblemsOnConsole();
