#include "platform/resources.h"

#include "support/layer_test.h"
#include "support/temporary_resources.h"

#include <QFileInfo>

namespace {

using ResourcesTest = PlatformTest;

TEST_F(ResourcesTest, LookupFollowsTheChosenFolderAndReturnsWhenItGoes)
{
    const QString shipped = resourceDirectory();
    for (const char* name : {"SixLetterWords", "words_alpha", "function_words"})
        EXPECT_TRUE(QFileInfo(pathForResource(name, "txt").value_or("")).isFile()) << name;
    {
        TemporaryResources resources;
        const QByteArray bytes("ab\0cd\xff\r\n", 8);
        resources.write("raw.bin", bytes);
        EXPECT_NE(resourceDirectory(), shipped);
        EXPECT_EQ(pathForResource("raw", "bin"), resourceDirectory() + "/raw.bin");
        EXPECT_EQ(readWholeFile(*pathForResource("raw", "bin")), bytes);
        for (const auto& [name, type] : {std::pair {"words_alpha", "txt"}, {"raw", "txt"}, {"Raw", "bin"}, {"raw.bin", ""}})
            EXPECT_FALSE(pathForResource(name, type).has_value()) << name << "." << type;
        EXPECT_FALSE(readWholeFile(resourceDirectory() + "/absent.txt").has_value());
        EXPECT_FALSE(readWholeFile(resourceDirectory()).has_value()) << "a folder is no file";
    }
    EXPECT_EQ(resourceDirectory(), shipped);
}

} // namespace
