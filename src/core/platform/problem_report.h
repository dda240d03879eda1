// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <functional>

// What the platform layer cannot do for the player (a store it cannot write, a dictionary
// it cannot open) is the player's to hear, but this layer has no console: it reports each
// problem, whole and ending in a line feed, to whoever listens. Until someone does, reports
// go to standard output.
using ProblemReporter = std::function<void(const QByteArray& message)>;

void setProblemReporter(ProblemReporter reporter);
void reportProblem(const QByteArray& message);
