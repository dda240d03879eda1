// SPDX-License-Identifier: GPL-3.0-or-later
// take_screenshot OUT.png standard|safe light|dark [check|submit|review [ZOOM]]: launches the
// game over the settings and data folders it is given in XDG_CONFIG_HOME and XDG_DATA_HOME, at
// ZOOM percent (100 unless given), fills the first word rightly and the second wrongly, checks
// the board (or submits it) and saves a picture of the window, or of the Round Review that
// follows the submitted round.
#include "gui/app/app_delegate.h"
#include "gui/board_view/grid.h"
#include "core/round/game_model.h"
#include "core/preferences/preferences.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Fusion's colours on a dark desktop, as a dark desktop theme hands them to Qt.
QPalette darkPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::Button, QColor(0x3c, 0x3c, 0x3c));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x6f, 0xb0));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

void typeWord(const PlacedWord& word, bool rightly)
{
    for (int k = 0; k < kWordLength; ++k) {
        const BoardCell cell = word.place.cell(k);
        QLineEdit* field = gGrid[cell.x][cell.y].field.get();
        if (field && !field->isReadOnly())
            field->setText(QString(rightly ? word.letters[k].toUpper() : QChar(u'X' - k)));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || argc > 6) {
        std::fprintf(stderr, "usage: %s OUT.png standard|safe light|dark [check|submit|review [ZOOM]]\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    if (std::strcmp(argv[3], "dark") == 0)
        QApplication::setPalette(darkPalette());
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    Preferences preferences;
    preferences.wordColours = std::strcmp(argv[2], "safe") == 0 ? WordColours::ColourBlindSafe : WordColours::Standard;
    preferences.zoomPercent = argc == 6 ? std::atoi(argv[5]) : 100;
    savePreferences(settings, preferences);

    AppDelegate game;
    game.window()->show();
    game.applicationDidFinishLaunching(nullptr);
    if (!gameModel().board())
        return 1;
    typeWord(gameModel().board()->words[0], true);
    typeWord(gameModel().board()->words[1], false);
    const QByteArray shown = argc >= 5 ? argv[4] : "check";
    game.window()->findChild<QAction*>(QStringLiteral("actionCheckAllWords"))->trigger();
    if (shown != "check")
        game.window()->findChild<QAction*>(QStringLiteral("actionSubmit"))->trigger();
    if (shown == "review")
        game.window()->findChild<QAction*>(QStringLiteral("actionRoundReview"))->trigger();
    QApplication::processEvents();
    QWidget* pictured = game.window();
    if (shown == "review")
        pictured = game.window()->findChild<QWidget*>(QStringLiteral("roundReview"));
    return pictured && pictured->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
