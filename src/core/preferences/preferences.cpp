// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/preferences/preferences.h"

#include "core/platform/application_name.h"
#include "core/platform/kept_file.h"

#include <QSettings>

namespace {

const QString kWordColoursKey = QStringLiteral("board/wordColours");
const QString kResumeAtLaunchKey = QStringLiteral("board/resumeAtLaunch");
const QString kTypeThroughGivenKey = QStringLiteral("board/typeThroughGiven");
const QString kStandardName = QStringLiteral("standard");
const QString kColourBlindSafeName = QStringLiteral("colour-blind-safe");

} // namespace

QString preferencesFilePath()
{
    return applicationFilePath(QStandardPaths::GenericConfigLocation, QLatin1String(kApplicationName) + QStringLiteral(".conf"));
}

Preferences loadPreferences(QSettings& settings)
{
    Preferences preferences;
    if (settings.value(kWordColoursKey).toString() == kColourBlindSafeName)
        preferences.wordColours = WordColours::ColourBlindSafe;
    preferences.resumesAtLaunch = settings.value(kResumeAtLaunchKey).toString() == QStringLiteral("true");
    preferences.typesThroughGiven = settings.value(kTypeThroughGivenKey).toString() == QStringLiteral("true");
    return preferences;
}

bool savePreferences(QSettings& settings, const Preferences& preferences)
{
    settings.setValue(kWordColoursKey,
                      preferences.wordColours == WordColours::ColourBlindSafe ? kColourBlindSafeName : kStandardName);
    const auto truth = [](bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); };
    settings.setValue(kResumeAtLaunchKey, truth(preferences.resumesAtLaunch));
    settings.setValue(kTypeThroughGivenKey, truth(preferences.typesThroughGiven));
    settings.sync();
    return settings.status() == QSettings::NoError;
}
