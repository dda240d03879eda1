#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

QProcess* runTool(QProcess& tool, const QStringList& arguments, const QByteArray& input = {})
{
    tool.start(QCoreApplication::applicationDirPath() + "/sixfold-dict", arguments);
    tool.write(input);
    tool.closeWriteChannel();
    tool.waitForFinished();
    return &tool;
}

// One verdict a line, with the line as given less a carriage return; a word needs the
// whole line, and an empty line is no word.
TEST(DictionaryToolTest, BatchJudgesEachLineWhole)
{
    QProcess tool;
    runTool(tool, {"--batch"}, "garden\nCAT-XY\nice ax\r\nzzqx\n\nits");
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_EQ(tool.readAllStandardOutput(), "1\tgarden\n0\tCAT-XY\n1\tice ax\n0\tzzqx\n0\t\n1\tits\n");
}

TEST(DictionaryToolTest, WithoutAWordItSaysHowToUseIt)
{
    QProcess tool;
    runTool(tool, {});
    EXPECT_EQ(tool.exitCode(), 2);
    EXPECT_TRUE(tool.readAllStandardError().startsWith("usage: sixfold-dict WORD..."));
}

} // namespace
