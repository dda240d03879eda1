// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct UserStats;

// The nine lines of the statistics panel.
std::string statsText(const UserStats& stats);
