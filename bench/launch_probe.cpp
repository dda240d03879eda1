// SPDX-License-Identifier: GPL-3.0-or-later
// The game's start, exactly as its main() runs it, until the first board has been laid out
// and painted.
#include "gui/app/app_delegate.h"
#include "first_paint.h"
#include "gui/board_view/grid.h"

#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("sixfold"));
    QApplication::setApplicationName(QStringLiteral("sixfold"));
    AppDelegate delegate;
    delegate.window()->show();
    delegate.applicationDidFinishLaunching(nullptr);
    if (!gGrid[0][0].field)
        return 1;
    QuitAfterFirstPaint probe(gGrid[0][0].field.get());
    return application.exec();
}
