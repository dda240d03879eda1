// SPDX-License-Identifier: GPL-3.0-or-later
// take_screenshot OUT.png standard|safe light|dark [check|submit|review|card|question|hint [ZOOM]]:
// launches the game over the settings and data folders it is given in XDG_CONFIG_HOME and
// XDG_DATA_HOME, at ZOOM percent (100 unless given), fills the first word rightly and the second
// wrongly, checks the board (or submits it) and saves a picture of the window, or of the Round
// Review that follows the submitted round. "card" pictures the first launch's How to Play card
// over the window, "question" the question before an unfinished board is submitted, and "hint"
// a round submitted after two hints, "statistics" the statistics window after the round. The
// interface speaks the desktop's language, as the game's does.
#include "gui/app/app_delegate.h"
#include "gui/board_view/grid.h"
#include "core/round/game_model.h"
#include "core/language/interface_language.h"
#include "core/preferences/preferences.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPainter>
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

// The window with `dialog` over its middle, as the desktop shows a window-modal box.
QPixmap withDialog(QWidget* window, QWidget* dialog)
{
    QPixmap picture = window->grab();
    if (dialog) {
        const QPixmap box = dialog->grab();
        QPainter painter(&picture);
        painter.drawPixmap((picture.width() - box.width()) / 2, (picture.height() - box.height()) / 3, box);
    }
    return picture;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || argc > 6) {
        std::fprintf(stderr, "usage: %s OUT.png standard|safe light|dark [check|submit|review|statistics|card|question|hint [ZOOM]]\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    speakLanguage(chooseLanguage(QString(), desktopLanguages(), shippedLanguages()));
    if (std::strcmp(argv[3], "dark") == 0)
        QApplication::setPalette(darkPalette());
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    Preferences preferences;
    preferences.wordColours = std::strcmp(argv[2], "safe") == 0 ? WordColours::ColourBlindSafe : WordColours::Standard;
    preferences.zoomPercent = argc == 6 ? std::atoi(argv[5]) : 100;
    const QByteArray shown = argc >= 5 ? argv[4] : "check";
    preferences.asksBeforeUnfinishedSubmit = shown == "question";
    savePreferences(settings, preferences);

    AppDelegate game;
    game.window()->show();
    game.applicationDidFinishLaunching(nullptr);
    if (!gameModel().board())
        return 1;
    QApplication::processEvents();
    auto* card = game.window()->findChild<QDialog*>(QStringLiteral("howToPlayCard"));
    if (shown == "card")
        return withDialog(game.window(), card).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    if (card)
        card->close();
    typeWord(gameModel().board()->words[0], true);
    if (shown == "hint") {
        gGrid[gameModel().board()->words[2].place.cell(0).x][gameModel().board()->words[2].place.cell(0).y].field->setFocus();
        for (int i = 0; i < 2; ++i)
            game.window()->findChild<QAction*>(QStringLiteral("actionHint"))->trigger();
    } else {
        typeWord(gameModel().board()->words[1], false);
    }
    game.window()->findChild<QAction*>(QStringLiteral("actionCheckAllWords"))->trigger();
    if (shown != "check")
        game.window()->findChild<QAction*>(QStringLiteral("actionSubmit"))->trigger();
    QApplication::processEvents();
    if (shown == "question")
        return withDialog(game.window(), game.window()->findChild<QDialog*>(QStringLiteral("submitQuestion")))
                       .save(QString::fromLocal8Bit(argv[1]))
            ? 0
            : 1;
    if (shown == "review")
        game.window()->findChild<QAction*>(QStringLiteral("actionRoundReview"))->trigger();
    if (shown == "statistics")
        game.window()->findChild<QAction*>(QStringLiteral("actionStatistics"))->trigger();
    // The statistics window reads the history on a thread of its own.
    for (int i = 0; i < 50; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    QWidget* pictured = game.window();
    if (shown == "review")
        pictured = game.window()->findChild<QWidget*>(QStringLiteral("roundReview"));
    if (shown == "statistics") {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window != game.window())
                pictured = window;
        }
    }
    return pictured && pictured->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
