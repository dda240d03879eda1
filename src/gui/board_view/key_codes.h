// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The cells speak the game's own key codes, whatever the keyboard reports.
inline constexpr int kTabKeyCode = 48;
inline constexpr int kDeleteKeyCode = 51;
inline constexpr int kNoKeyCode = 0;

// The game's code for a Qt key: Tab and Backspace have theirs, every other key none.
int gameKeyCode(int qtKey);
