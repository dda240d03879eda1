#include "platform/resources.h"

#include "support/layer_test.h"
#include "support/temporary_resources.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using ResourcesTest = PlatformTest;

TEST_F(ResourcesTest, DefaultFolderHoldsTheShippedDataFiles)
{
    for (const char* name : {"SixLetterWords", "words_alpha"}) {
        const auto path = pathForResource(QString::fromLatin1(name), QStringLiteral("txt"));
        ASSERT_TRUE(path.has_value()) << name;
        EXPECT_TRUE(QFileInfo(*path).isFile());
    }
}

TEST_F(ResourcesTest, LookupFollowsTheChosenFolderAndReturnsWhenItGoes)
{
    const QString shipped = resourceDirectory();
    {
        TemporaryResources resources;
        resources.write(QStringLiteral("SixLetterWords.txt"), "abacus\n");
        EXPECT_NE(resourceDirectory(), shipped);
        const auto path = pathForResource(QStringLiteral("SixLetterWords"), QStringLiteral("txt"));
        ASSERT_TRUE(path.has_value());
        EXPECT_TRUE(path->startsWith(resourceDirectory()));
        EXPECT_FALSE(pathForResource(QStringLiteral("words_alpha"), QStringLiteral("txt")).has_value());
    }
    EXPECT_EQ(resourceDirectory(), shipped);
}

TEST_F(ResourcesTest, NameAndTypeMustBothMatch)
{
    TemporaryResources resources;
    resources.write(QStringLiteral("SixLetterWords.txt"), "abacus\n");
    EXPECT_FALSE(pathForResource(QStringLiteral("SixLetterWords"), QStringLiteral("text")).has_value());
    EXPECT_FALSE(pathForResource(QStringLiteral("sixletterwords"), QStringLiteral("txt")).has_value());
}

TEST_F(ResourcesTest, WholeFileComesBackByteForByte)
{
    TemporaryResources resources;
    const QByteArray bytes("ab\0cd\xff\r\n", 8);
    resources.write(QStringLiteral("raw.bin"), bytes);
    const auto path = pathForResource(QStringLiteral("raw"), QStringLiteral("bin"));
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(readWholeFile(*path), bytes);
}

TEST_F(ResourcesTest, UnreadablePathsGiveNothing)
{
    QTemporaryDir folder;
    EXPECT_FALSE(readWholeFile(folder.filePath(QStringLiteral("absent.txt"))).has_value());
    EXPECT_FALSE(readWholeFile(folder.path()).has_value());
}

} // namespace
