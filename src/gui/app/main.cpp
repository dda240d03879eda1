// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/app_delegate.h"
#include "core/game/launch_options.h"
#include "gui/app/quit_on_signals.h"
#include "core/language/interface_language.h"
#include "core/platform/application_name.h"

#include <QApplication>
#include <QMainWindow>

#include <csignal>

int main(int argc, char* argv[])
{
    // Past a file-size limit a write then fails, and is handled as a full disk is, instead
    // of the signal ending the game.
    std::signal(SIGXFSZ, SIG_IGN);
    // Set once, before either application object (the options' answers or the game) reads them.
    nameApplication();
    QCoreApplication::setApplicationVersion(QStringLiteral(SIXFOLD_VERSION));
    int status = 0;
    const std::optional<LaunchOptions> options = readLaunchOptions(argc, argv, &status);
    if (!options)
        return status;

    QApplication application(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("org.sixfold.Sixfold"));
    speakLanguage(launchLanguage()); // before any window is made, since each takes its text as it is built

    QuitOnSignals quitOnSignals;
    AppDelegate delegate;
    if (!options->boardCode.isEmpty())
        delegate.startOnBoardCode(options->boardCode);
    if (options->isDaily)
        delegate.startOnDailyBoard();
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &delegate,
                     [&delegate] { delegate.applicationWillTerminate(nullptr); });
    delegate.window()->show();
    delegate.applicationDidFinishLaunching(nullptr);
    return application.exec();
}
