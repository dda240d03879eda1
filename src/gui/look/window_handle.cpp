// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/window_handle.h"

QPointer<QMainWindow> gWindow;
