// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// What the command line asks the game to start on.
struct LaunchOptions {
    QString boardCode; // empty: no board code given
    bool isDaily = false;
};

// Reads the command line before any window, so that --help, --version and a mistyped option
// answer on the terminal without a display. --help and --version print their answer and end
// the program, as Qt's parser does; a line that cannot be played gives none, with the reason
// and a hint on standard error and `status` set to the exit status (2) to end with.
std::optional<LaunchOptions> readLaunchOptions(int argc, char* argv[], int* status);
