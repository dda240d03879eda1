// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The cells speak the game's own key codes, whatever the keyboard reports.
inline constexpr int kTabKeyCode = 48;
inline constexpr int kDeleteKeyCode = 51;
inline constexpr int kNoKeyCode = 0;

class QKeyEvent;

// The game's code for a Qt key: Tab and Backspace have theirs, every other key none.
int gameKeyCode(int qtKey);

// Whether a text field leaves a Ctrl key to the game's shortcuts: a line edit's emacs-style
// editing keys (Ctrl+E to the end of the line, Ctrl+K to delete to it, ...) would swallow
// them on X11, so only the clipboard and undo keys stay the field's.
bool leavesToShortcuts(const QKeyEvent* event);
