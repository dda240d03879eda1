// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/preferences/preferences.h"

#include "core/platform/application_name.h"
#include "core/platform/kept_file.h"

#include <QSettings>

namespace {

const QString kWordColoursKey = QStringLiteral("board/wordColours");
const QString kResumeAtLaunchKey = QStringLiteral("board/resumeAtLaunch");
const QString kAskUnfinishedKey = QStringLiteral("board/askBeforeUnfinishedSubmit");
// A list rather than a key a player: a name may hold any character, '/' and '=' too.
const QString kTaughtPlayersKey = QStringLiteral("players/seenHowToPlay");
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
    const QVariant resumes = settings.value(kResumeAtLaunchKey);
    preferences.resumesAtLaunch = resumes.toString() == QStringLiteral("true");
    preferences.asksBeforeUnfinishedSubmit = settings.value(kAskUnfinishedKey).toString() != QStringLiteral("false");
    return preferences;
}

bool savePreferences(QSettings& settings, const Preferences& preferences)
{
    settings.setValue(kWordColoursKey,
                      preferences.wordColours == WordColours::ColourBlindSafe ? kColourBlindSafeName : kStandardName);
    settings.setValue(kResumeAtLaunchKey, preferences.resumesAtLaunch ? QStringLiteral("true") : QStringLiteral("false"));
    settings.setValue(kAskUnfinishedKey, preferences.asksBeforeUnfinishedSubmit ? QStringLiteral("true") : QStringLiteral("false"));
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
