// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/kept_file.h"

#include "support/layer_test.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <filesystem>

// A read can be capped, a failed replacement says why, a damaged file moves to a dated name.
TEST_F(PlatformTest, KeptFilesAreReadCappedReplacedWholeAndMovedAside)
{
    const QString path = applicationFilePath(QStandardPaths::GenericDataLocation, "kept");
    EXPECT_EQ(readKeptFile(path).state, KeptFileRead::State::Missing);
    ASSERT_TRUE(QDir().mkpath(path + ".d"));
    EXPECT_EQ(writeKeptFile(path, "first"), QString());
    EXPECT_NE(writeKeptFile(path + ".d", "x"), QString()) << "a folder in the way";
    EXPECT_EQ(readKeptFile(path, 0).bytes, "f");
    const QString aside = moveAside(path);
    EXPECT_TRUE(QRegularExpression(R"(/kept\.corrupt-\d{8}T\d{9}Z$)").match(aside).hasMatch()) << aside.toStdString();
    EXPECT_EQ(readKeptFile(aside).bytes, "first");
    EXPECT_EQ(moveAside(path), QString());
}

// A folder whose name is not UTF-8 is written in place, from XDG_* or under HOME, never a new one beside it.
TEST_F(PlatformTest, AFolderNamedInAnotherEncodingIsWrittenInPlace)
{
    const QTemporaryDir parent;
    const QByteArray home = QFile::encodeName(parent.path()) + "/j\xf6rg", given = qgetenv("HOME");
    qputenv("HOME", home), qputenv("XDG_DATA_HOME", home), qunsetenv("XDG_CONFIG_HOME");
    for (const auto& [location, written] : {std::pair(QStandardPaths::GenericDataLocation, home + "/sixfold/kept"),
                                            std::pair(QStandardPaths::GenericConfigLocation, home + "/.config/sixfold/kept")}) {
        const QString path = applicationFilePath(location, "kept");
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()) && writeKeptFile(path, "x").isEmpty() && std::filesystem::exists(written.toStdString()));
    }
    qputenv("HOME", given), std::filesystem::remove_all(home.toStdString());
}
