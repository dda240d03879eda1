// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_delegate.h"
#include "app/quit_on_signals.h"
#include "platform/application_name.h"

#include <QApplication>
#include <QMainWindow>

#include <csignal>

int main(int argc, char* argv[])
{
    // Past a file-size limit a write then fails, and is handled as a full disk is, instead
    // of the signal ending the game.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    nameApplication();
    QApplication::setApplicationVersion(QStringLiteral(SIXFOLD_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.sixfold.Sixfold"));

    QuitOnSignals quitOnSignals;
    AppDelegate delegate;
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &delegate,
                     [&delegate] { delegate.applicationWillTerminate(nullptr); });
    delegate.window()->show();
    delegate.applicationDidFinishLaunching(nullptr);
    return application.exec();
}
