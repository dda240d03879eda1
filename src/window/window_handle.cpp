// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_handle.h"

QPointer<QMainWindow> gWindow;
