// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Wraps the application's style so that the icon of a menu bar's or tool bar's overflow
// button is made at its first use rather than when the bar is built. Reading that PNG makes
// Qt load every image-format plugin to ask whether it reads PNG, which cost each launch
// about a millisecond and half a megabyte for a button the fixed window never shows.
// Idempotent; call before the first menu bar is built.
void deferExtensionButtonIcons();
