// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/preferences/preferences.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PreferencesTest, ReadsWhatIsWrittenAndTheDefaultForAnythingElse)
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath("sixfold.conf"), QSettings::IniFormat);
    for (const Preferences chosen : {Preferences {WordColours::ColourBlindSafe, true, false}, Preferences {}, {WordColours::Standard, true}}) {
        savePreferences(settings, chosen);
        EXPECT_EQ(loadPreferences(*std::make_unique<QSettings>(settings.fileName(), QSettings::IniFormat)), chosen);
    }
    const struct { const char* colours; const char* resumes; Preferences expected; } rows[] = {
        {"purple", "yes", {}}, {"colour-blind-safe", "1", {WordColours::ColourBlindSafe, false}},
        {"Colour-blind-safe", "true", {WordColours::Standard, true}}, {"standard", "True", {}}};
    for (const auto& row : rows) {
        settings.setValue("board/wordColours", row.colours);
        settings.setValue("board/resumeAtLaunch", row.resumes);
        EXPECT_EQ(loadPreferences(settings), row.expected) << row.colours << " " << row.resumes;
    }
}

