// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/kept_file.h"

#include "support/layer_test.h"

#include <QDir>
#include <QRegularExpression>

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
