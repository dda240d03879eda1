// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QString>

class QWidget;

// The platform's key for Preferences, or Ctrl+, where the platform names none.
QKeySequence preferencesShortcut();

// Help > Keyboard Shortcuts: every key the game answers in `window`, as a rich-text table.
QString keyboardShortcutsText(const QWidget* window);

// Gives each control of `window` that a key reaches a tooltip naming the key.
void nameShortcutsInTooltips(QWidget* window);
