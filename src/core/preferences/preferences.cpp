// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/preferences/preferences.h"

#include "core/platform/application_name.h"
#include "core/platform/kept_file.h"

#include <QSettings>

#include <algorithm>

namespace {

const QString kWordColoursKey = QStringLiteral("board/wordColours");
const QString kResumeAtLaunchKey = QStringLiteral("board/resumeAtLaunch");
const QString kTypeThroughGivenKey = QStringLiteral("board/typeThroughGiven");
const QString kZoomKey = QStringLiteral("window/zoom");
const QString kAskUnfinishedKey = QStringLiteral("board/askBeforeUnfinishedSubmit");
const QString kLanguageKey = QStringLiteral("interface/language");
// A list rather than a key a player: a name may hold any character, '/' and '=' too.
const QString kTaughtPlayersKey = QStringLiteral("players/seenHowToPlay");
const QString kStandardName = QStringLiteral("standard");
const QString kColourBlindSafeName = QStringLiteral("colour-blind-safe");

} // namespace

int zoomStep(int percent, int direction)
{
    if (direction > 0) {
        const auto* next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
        return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
    }
    const auto* before = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return before == kZoomSteps.begin() ? kZoomSteps.front() : *(before - 1);
}

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
    // Only a step is taken: a hand-edited 1000 would open a window no screen holds.
    bool isNumber = false;
    const int zoom = settings.value(kZoomKey).toString().toInt(&isNumber);
    if (isNumber && std::find(kZoomSteps.begin(), kZoomSteps.end(), zoom) != kZoomSteps.end())
        preferences.zoomPercent = zoom;
    preferences.asksBeforeUnfinishedSubmit = settings.value(kAskUnfinishedKey).toString() != QStringLiteral("false");
    // Whether it is shipped is the launch's question: a catalogue may come or go with a package.
    preferences.interfaceLanguage = settings.value(kLanguageKey).toString();
    return preferences;
}

bool savePreferences(QSettings& settings, const Preferences& preferences)
{
    settings.setValue(kWordColoursKey,
                      preferences.wordColours == WordColours::ColourBlindSafe ? kColourBlindSafeName : kStandardName);
    const auto truth = [](bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); };
    settings.setValue(kResumeAtLaunchKey, truth(preferences.resumesAtLaunch));
    settings.setValue(kTypeThroughGivenKey, truth(preferences.typesThroughGiven));
    settings.setValue(kZoomKey, preferences.zoomPercent);
    settings.setValue(kAskUnfinishedKey, truth(preferences.asksBeforeUnfinishedSubmit));
    if (preferences.interfaceLanguage.isEmpty())
        settings.remove(kLanguageKey);
    else
        settings.setValue(kLanguageKey, preferences.interfaceLanguage);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool hasSeenHowToPlay(QSettings& settings, const QString& player)
{
    return settings.value(kTaughtPlayersKey).toStringList().contains(player);
}

// A file that cannot be written only shows the card again at the next launch.
void rememberHowToPlaySeen(QSettings& settings, const QString& player)
{
    QStringList taught = settings.value(kTaughtPlayersKey).toStringList();
    if (taught.contains(player))
        return;
    taught.append(player);
    settings.setValue(kTaughtPlayersKey, taught);
    settings.sync();
}
