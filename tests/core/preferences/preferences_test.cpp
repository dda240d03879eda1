// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/preferences/preferences.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PreferencesTest, ReadsWhatIsWrittenAndTheDefaultForAnythingElse)
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath("sixfold.conf"), QSettings::IniFormat);
    for (const Preferences& chosen : {Preferences {WordColours::ColourBlindSafe, true, false, 175, false, "fr"}, Preferences {},
                                      Preferences {WordColours::Standard, false, true, 100, true, ""}}) {
        savePreferences(settings, chosen);
        EXPECT_EQ(loadPreferences(*std::make_unique<QSettings>(settings.fileName(), QSettings::IniFormat)), chosen);
    }
    const struct { const char* colours; const char* resumes; const char* zoom; Preferences expected; } rows[] = {
        {"purple", "yes", "130", {}}, {"colour-blind-safe", "1", "200", {WordColours::ColourBlindSafe, false, false, 200, true, ""}},
        {"Colour-blind-safe", "true", "225", {WordColours::Standard, true, true, 100, true, ""}}, {"standard", "True", "1e2x", {}}};
    for (const auto& row : rows) {
        settings.setValue("board/wordColours", row.colours);
        settings.setValue("board/resumeAtLaunch", row.resumes);
        settings.setValue("board/typeThroughGiven", row.resumes);
        settings.setValue("window/zoom", row.zoom);
        EXPECT_EQ(loadPreferences(settings), row.expected) << row.colours << " " << row.resumes << " " << row.zoom;
    }
}

TEST(PreferencesTest, ZoomStepsStopAtEitherEnd)
{
    const struct { int from, direction, to; } rows[] = {{100, 1, 125}, {175, 1, 200}, {200, 1, 200}, {125, -1, 100}, {100, -1, 100}, {130, 1, 150}, {130, -1, 125}};
    for (const auto& row : rows)
        EXPECT_EQ(zoomStep(row.from, row.direction), row.to) << row.from << " " << row.direction;
}
