// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/app_dialogs.h"

#include "core/platform/log_console.h"
#include "core/preferences/preferences.h"
#include "gui/app/help_texts.h"
#include "gui/app/preferences_dialog.h"
#include "gui/app/shortcut_help.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QVBoxLayout>

#include <utility>

namespace {

// A click anywhere on the card closes it, as the button does.
class HowToPlayCard : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void mousePressEvent(QMouseEvent* /*event*/) override { accept(); }
};

} // namespace

void showHowToPlay(QWidget* parent, bool holdsWindow)
{
    auto* card = new HowToPlayCard(parent);
    card->setAttribute(Qt::WA_DeleteOnClose);
    card->setObjectName(QStringLiteral("howToPlayCard"));
    const QString title = QCoreApplication::translate("Help", "How to Play");
    card->setWindowTitle(title);
    card->setAccessibleName(title);
    const QString text = howToPlayText();
    // A screen reader reads a dialog's text from its label; a description as well would have
    // the card read twice.
    // The desktop's own text and window colours, whose contrast the desktop keeps.
    auto* label = new QLabel(text);
    label->setObjectName(QStringLiteral("howToPlayText"));
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    // Sixty characters a line; a text longer than half the screen holds (a longer language, a
    // small screen) scrolls rather than being cut.
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("howToPlayScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(label);
    const int width = label->fontMetrics().averageCharWidth() * 60;
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() / 2 : 400;
    const int height = label->heightForWidth(width);
    scroll->setMinimumSize(width + scroll->verticalScrollBar()->sizeHint().width(), std::min(height, room));
    // Only a text that scrolls is a stop for the keys that scroll it.
    scroll->setAccessibleName(title);
    scroll->setFocusPolicy(height > room ? Qt::StrongFocus : Qt::NoFocus);
    auto* buttons = new QDialogButtonBox;
    QPushButton* play = buttons->addButton(QCoreApplication::translate("Help", "&Play", "button: close the How to Play card and play"),
                                           QDialogButtonBox::AcceptRole);
    play->setDefault(true);
    //: "Help ▸ How to Play" names the menu and its item as they read.
    play->setToolTip(QCoreApplication::translate("Help", "Return, Space or Escape closes this card; Help \u25B8 How to Play shows it again."));
    QObject::connect(buttons, &QDialogButtonBox::accepted, card, &QDialog::accept);
    // Opened as the game starts, the card can be up before the desktop has made the window
    // active; closed, it then hands the focus back to a window the desktop never activates,
    // and a screen reader hears nothing of the board it returns to (seen once in about a
    // dozen starts under Orca). The window asks for the activation itself.
    if (parent)
        QObject::connect(card, &QDialog::finished, parent, [parent] { parent->window()->activateWindow(); });
    auto* layout = new QVBoxLayout(card);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    play->setFocus();
    if (holdsWindow)
        card->open();
    else
        card->show();
}

void askBeforeSubmit(QWidget* parent, const Game::Question& question, std::function<void(bool stopAsking)> submit)
{
    const int n = question.unfinished;
    const QString unfinished = n == 1
        //: %1 is the number of words on the board, all of them.
        ? QCoreApplication::translate("SubmitQuestion", "1 of %1 words is unfinished. Submit anyway?")
        //: %n unfinished words out of the board's %1.
        : QCoreApplication::translate("SubmitQuestion", "%n of %1 words are unfinished. Submit anyway?", nullptr, n);
    auto* box = new QMessageBox(QMessageBox::Question, QCoreApplication::translate("SubmitQuestion", "Submit Unfinished Board"),
                                unfinished.arg(kWordCount), QMessageBox::NoButton, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("submitQuestion"));
    if (question.dailyNumber != 0)
        box->setInformativeText(
            QCoreApplication::translate("SubmitQuestion", "This is your one scored submission of Daily #%1.").arg(question.dailyNumber));
    QPushButton* anyway = box->addButton(QCoreApplication::translate("SubmitQuestion", "&Submit Anyway"), QMessageBox::AcceptRole);
    QPushButton* keepPlaying = box->addButton(QCoreApplication::translate("SubmitQuestion", "&Keep Playing"), QMessageBox::RejectRole);
    box->setDefaultButton(keepPlaying);
    box->setEscapeButton(keepPlaying);
    box->setCheckBox(new QCheckBox(QCoreApplication::translate("SubmitQuestion", "&Don't ask again")));
    // Told once the box is hidden, so the new board's first cell takes the focus back.
    QObject::connect(box, &QDialog::finished, box, [box, anyway, submit = std::move(submit)] {
        if (box->clickedButton() == anyway)
            submit(box->checkBox()->isChecked());
    });
    box->open();
}

void showHelp(QWidget* parent, HelpPage page)
{
    if (page == HelpPage::HowToPlay)
        return showHowToPlay(parent, false);
    auto* box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Information);
    box->setTextFormat(Qt::RichText);
    switch (page) {
    case HelpPage::HowToPlay: // the card, above
        break;
    case HelpPage::About:
        box->setWindowTitle(QCoreApplication::translate("Help", "About Sixfold"));
        box->setText(aboutText());
        box->setObjectName(QStringLiteral("aboutBox"));
        break;
    case HelpPage::KeyboardShortcuts:
        box->setWindowTitle(QCoreApplication::translate("Help", "Keyboard Shortcuts"));
        box->setText(keyboardShortcutsText(parent));
        box->setObjectName(QStringLiteral("keyboardShortcutsBox"));
        break;
    }
    box->setModal(false);
    box->show();
}

void askForBoardCode(QWidget* parent, std::function<void(const QString&)> play)
{
    auto* dialog = new QInputDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("boardCodeDialog"));
    dialog->setWindowTitle(QCoreApplication::translate("BoardCode", "Play Board Code"));
    //: "Copy Board Code" is the Game menu's item as it reads.
    dialog->setLabelText(QCoreApplication::translate("BoardCode", "Board code (fifteen characters, such as a friend's from Copy Board Code):"));
    QObject::connect(dialog, &QInputDialog::textValueSelected, dialog, std::move(play));
    dialog->open();
}

void showReviewText(QWidget* parent, const QString& review)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, QCoreApplication::translate("RoundReview", "Round Review"),
                                review.isEmpty() ? QCoreApplication::translate("RoundReview", "Submit a round to review it here.") : review,
                                QMessageBox::Close, parent);
    box->setObjectName(QStringLiteral("roundReview"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void showPreferences(QWidget* parent, bool* hasReportedUnsaved)
{
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    auto* dialog = new PreferencesDialog(loadPreferences(settings), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [dialog, hasReportedUnsaved] {
        savePreferencesOrSay(dialog->chosen(), hasReportedUnsaved);
        applyPreferences(dialog->chosen());
    });
    dialog->open();
}

void savePreferencesOrSay(const Preferences& preferences, bool* hasReportedUnsaved)
{
    QSettings settings(preferencesFilePath(), QSettings::IniFormat);
    if (!savePreferences(settings, preferences) && !std::exchange(*hasReportedUnsaved, true)) {
        const QString file = QDir::toNativeSeparators(settings.fileName());
        const QString line = QCoreApplication::translate("Preferences", "The preferences cannot be saved in %1; they hold until the game quits.");
        printMessage((line.arg(file) + u'\n').toUtf8());
        sayAloud(QCoreApplication::translate("Preferences", "The preferences cannot be saved; they hold until the game quits."));
    }
}
