// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/preferences/preferences.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;

// Game > Preferences: the word colours, whether launch resumes the kept board and whether
// given letters are typed through, whether Submit asks first when words are unfinished, and the
// interface's language (at the next launch).
class PreferencesDialog : public QDialog {
    Q_OBJECT

public:
    explicit PreferencesDialog(const Preferences& shown, QWidget* parent = nullptr);

    Preferences chosen() const;

private:
    Preferences m_shown; // what the dialog does not show (the zoom) it keeps as it was
    QComboBox* m_wordColours;
    QCheckBox* m_resumesAtLaunch;
    QCheckBox* m_typesThroughGiven;
    QCheckBox* m_asksBeforeUnfinishedSubmit;
    QComboBox* m_language;
    QLabel* m_languageNote; // shown while the language chosen is not the one spoken
};

// Paints the board in the colours chosen, from now on: dark variants on a dark desktop.
void applyWordColours(WordColours colours);

// Puts the preferences that change play in force: the word colours and the typing.
void applyPreferences(const Preferences& preferences);
