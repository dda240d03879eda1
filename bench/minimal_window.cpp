// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program does to show a window the game's size: the yardstick for
// the game's start.
#include "first_paint.h"

#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(1036, 688);
    window.show();
    QuitAfterFirstPaint probe(&window);
    return application.exec();
}
