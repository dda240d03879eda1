// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

// Tells a screen reader `text` without moving the keyboard focus: the focused control's
// accessible description becomes its own description followed by `text`. The toolkit's
// AT-SPI bridge carries the change as a description-changed event of the focused object,
// which screen readers speak; it lasts until the control next describes itself. Nothing
// happens while no control of the game has the focus.
void announce(const QString& text);
