// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/app_dialogs.h"

#include "core/platform/log_console.h"
#include "core/preferences/preferences.h"
#include "gui/app/help_texts.h"
#include "gui/app/preferences_dialog.h"
#include "gui/app/shortcut_help.h"

#include <QCoreApplication>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QSettings>

#include <utility>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("AppDelegate", text);
}

} // namespace

void showHelp(QWidget* parent, HelpPage page)
{
    auto* box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Information);
    box->setTextFormat(Qt::RichText);
    switch (page) {
    case HelpPage::HowToPlay:
        box->setWindowTitle(translated("How to Play"));
        box->setText(howToPlayText());
        box->setObjectName(QStringLiteral("howToPlayBox"));
        break;
    case HelpPage::About:
        box->setWindowTitle(translated("About Sixfold"));
        box->setText(aboutText());
        box->setObjectName(QStringLiteral("aboutBox"));
        break;
    case HelpPage::KeyboardShortcuts:
        box->setWindowTitle(translated("Keyboard Shortcuts"));
        box->setText(keyboardShortcutsText());
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
    dialog->setWindowTitle(translated("Play Board Code"));
    dialog->setLabelText(translated("Board code (fifteen characters, such as a friend's from Copy Board Code):"));
    QObject::connect(dialog, &QInputDialog::textValueSelected, dialog, std::move(play));
    dialog->open();
}

void showReviewText(QWidget* parent, const QString& review)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Round Review"),
                                review.isEmpty() ? QStringLiteral("Submit a round to review it here.") : review,
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
        QSettings settings(preferencesFilePath(), QSettings::IniFormat);
        if (!savePreferences(settings, dialog->chosen()) && !std::exchange(*hasReportedUnsaved, true)) {
            myPrintf("The preferences cannot be saved in %s; they hold until the game quits.\n",
                     qUtf8Printable(QDir::toNativeSeparators(settings.fileName())));
            sayAloud(QStringLiteral("The preferences cannot be saved; they hold until the game quits."));
        }
        applyWordColours(dialog->chosen().wordColours);
    });
    dialog->open();
}
