// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QString>

// The platform's key for Preferences, or Ctrl+, where the platform names none.
QKeySequence preferencesShortcut();

// Help > Keyboard Shortcuts: every key the game answers, as a rich-text table.
QString keyboardShortcutsText();
