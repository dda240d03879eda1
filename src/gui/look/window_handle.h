// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>

// The main window; set once by the launch handler and null before it. The board's cells
// move the keyboard focus through it.
extern QPointer<QMainWindow> gWindow;
