// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/preferences.h"

#include "support/in_child.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PreferencesTest, ReadsWhatIsWrittenAndTheDefaultForAnythingElse)
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath("sixfold.conf"), QSettings::IniFormat);
    for (const Preferences chosen : {Preferences {WordColours::ColourBlindSafe, true}, Preferences {}, {WordColours::Standard, true}}) {
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

// A save that cannot reach the file says so and leaves the file as it was.
TEST(PreferencesTest, ASaveThatCannotBeWrittenFailsAndKeepsTheFile)
{
    for (const ChildLimit limit : {ChildLimit::FullDisk, ChildLimit::Unprivileged}) {
        QTemporaryDir folder;
        QSettings settings(folder.filePath("sixfold.conf"), QSettings::IniFormat);
        ASSERT_TRUE(savePreferences(settings, {WordColours::ColourBlindSafe, true}));
        QFile file(settings.fileName());
        const QByteArray saved = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const auto openFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QFile::setPermissions(folder.path(), limit == ChildLimit::Unprivileged ? openFolder & ~QFile::WriteOwner : openFolder);
        EXPECT_TRUE(holdsInChild(limit, [&] { return !savePreferences(settings, {}); })) << int(limit);
        QFile::setPermissions(folder.path(), openFolder);
        EXPECT_TRUE(file.seek(0) && file.readAll() == saved);
    }
    QTemporaryDir folder;
    QSettings settings((QDir(folder.path()).mkdir("sixfold.conf"), folder.filePath("sixfold.conf")), QSettings::IniFormat);
    EXPECT_FALSE(savePreferences(settings, {}));
}
