#include "prefs/preferences.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct PreferencesRow {
    const char* colours;
    const char* resumes;
    Preferences expected;
};

TEST(PreferencesTest, ReadsWhatIsWrittenAndTheDefaultForAnythingElse)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sixfold.conf"));
    for (const Preferences chosen : {Preferences {}, Preferences {WordColours::ColourBlindSafe, true},
                                     Preferences {WordColours::Standard, true}}) {
        QSettings settings(file, QSettings::IniFormat);
        savePreferences(settings, chosen);
        QSettings again(file, QSettings::IniFormat);
        EXPECT_EQ(loadPreferences(again), chosen);
    }
    for (const PreferencesRow& row : {PreferencesRow {"purple", "yes", {}},
                                      PreferencesRow {"colour-blind-safe", "1", {WordColours::ColourBlindSafe, false}},
                                      PreferencesRow {"", "true", {WordColours::Standard, true}}}) {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue(QStringLiteral("board/wordColours"), QString::fromLatin1(row.colours));
        settings.setValue(QStringLiteral("board/resumeAtLaunch"), QString::fromLatin1(row.resumes));
        EXPECT_EQ(loadPreferences(settings), row.expected) << row.colours;
    }
}

} // namespace
