// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

// Tells a screen reader `text` without moving the keyboard focus. Qt 6.4's AT-SPI bridge
// sends a description or name change with the object alone, not its new text, and a reader
// that speaks such a change speaks the text the event carries; what it does speak is a
// notification that appears. So the text is shown as one, an invisible label of the main
// window with the notification role. It is said once: nothing is left on the focused
// control, whose description a reader would read again, stale, each time it comes back.
void announce(const QString& text);
