// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/preferences_dialog.h"
#include "core/language/interface_language.h"
#include "gui/look/forwarding_accessible.h"

#include "gui/board_view/board_layout.h"
#include "gui/board_view/board_paint.h"
#include "gui/board_view/cell_look.h"
#include "gui/board_view/grid.h"
#include "gui/board_view/my_text_field.h"
#include "gui/look/board_panel.h"
#include "gui/look/window_handle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

PreferencesDialog::PreferencesDialog(const Preferences& shown, QWidget* parent)
    : QDialog(parent)
    , m_shown(shown)
    , m_wordColours(new QComboBox)
    , m_resumesAtLaunch(new QCheckBox(tr("&Resume the kept board at launch")))
    , m_typesThroughGiven(new QCheckBox(tr("&Type through given letters")))
    , m_asksBeforeUnfinishedSubmit(new QCheckBox(tr("&Ask before submitting a board with unfinished words")))
    , m_language(new QComboBox)
    , m_languageNote(new QLabel(tr("Sixfold speaks the language chosen from its next launch.")))
{
    setWindowTitle(tr("Preferences"));
    setObjectName(QStringLiteral("preferencesDialog"));
    m_wordColours->setObjectName(QStringLiteral("wordColours"));
    nameComboBoxesByTheirNames();
    m_wordColours->setAccessibleName(tr("Word colours")); // as its label reads
    m_wordColours->addItem(tr("Standard (green and red)"), static_cast<int>(WordColours::Standard));
    m_wordColours->addItem(tr("Colour-blind safe and high contrast (blue and orange)"), static_cast<int>(WordColours::ColourBlindSafe));
    m_wordColours->setCurrentIndex(m_wordColours->findData(static_cast<int>(shown.wordColours)));
    m_resumesAtLaunch->setObjectName(QStringLiteral("resumesAtLaunch"));
    m_resumesAtLaunch->setChecked(shown.resumesAtLaunch);
    m_typesThroughGiven->setObjectName(QStringLiteral("typesThroughGiven"));
    m_typesThroughGiven->setChecked(shown.typesThroughGiven);
    m_typesThroughGiven->setToolTip(tr("Typing the blue letter the cursor just stepped over takes it as that letter, "
                                       "so a whole word can be typed as it reads"));
    m_asksBeforeUnfinishedSubmit->setObjectName(QStringLiteral("asksBeforeUnfinishedSubmit"));
    m_asksBeforeUnfinishedSubmit->setChecked(shown.asksBeforeUnfinishedSubmit);
    m_asksBeforeUnfinishedSubmit->setToolTip(tr("The daily board asks before its one scored submission whatever this says."));

    m_language->setObjectName(QStringLiteral("interfaceLanguage"));
    m_language->setAccessibleName(tr("Language"));
    const QStringList shipped = shippedLanguages(), desktop = desktopLanguages();
    m_language->addItem(tr("The desktop's language (%1)").arg(languageName(chooseLanguage(QString(), desktop, shipped))), QString());
    for (const QString& code : shipped)
        m_language->addItem(languageName(code), code);
    m_language->setCurrentIndex(std::max(0, m_language->findData(shown.interfaceLanguage)));
    m_language->setToolTip(tr("The menus, dialogs and messages; the words played stay English."));
    m_languageNote->setObjectName(QStringLiteral("languageNote"));
    m_languageNote->setWordWrap(true);
    const auto noteWhetherChanged = [this, shipped, desktop] {
        m_languageNote->setVisible(chooseLanguage(m_language->currentData().toString(), desktop, shipped) != spokenLanguage());
    };
    noteWhetherChanged();
    connect(m_language, &QComboBox::currentIndexChanged, this, noteWhetherChanged);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Word colours:"), m_wordColours);
    form->addRow(m_resumesAtLaunch);
    form->addRow(m_typesThroughGiven);
    form->addRow(m_asksBeforeUnfinishedSubmit);
    form->addRow(tr("&Language:"), m_language);
    form->addRow(m_languageNote);
    form->addRow(buttons);
}

Preferences PreferencesDialog::chosen() const
{
    Preferences preferences = m_shown;
    preferences.wordColours = static_cast<WordColours>(m_wordColours->currentData().toInt());
    preferences.resumesAtLaunch = m_resumesAtLaunch->isChecked();
    preferences.typesThroughGiven = m_typesThroughGiven->isChecked();
    preferences.asksBeforeUnfinishedSubmit = m_asksBeforeUnfinishedSubmit->isChecked();
    preferences.interfaceLanguage = m_language->currentData().toString();
    return preferences;
}

void applyWordColours(WordColours colours)
{
    gBoardPalette = boardPalette(colours, isDarkDesktop(QApplication::palette()));
    if (auto* panel = gWindow ? gWindow->findChild<BoardPanel*>(QStringLiteral("boardArea")) : nullptr)
        panel->setColours(gBoardPalette.panel, gBoardPalette.panelBorder);
    paintBoard();
    if (gWindow)
        showWordPoints(gWindow->centralWidget());
}

void applyPreferences(const Preferences& preferences)
{
    applyWordColours(preferences.wordColours);
    myTextField::setTypesThroughGiven(preferences.typesThroughGiven);
}
