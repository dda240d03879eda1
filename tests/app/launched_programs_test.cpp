// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_test.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// Starts the program `name` built beside the tests, with `input` as its whole standard input.
bool started(QProcess& program, const char* name, const QStringList& arguments = {}, const QByteArray& input = {})
{
    program.start(QCoreApplication::applicationDirPath() + '/' + name, arguments);
    program.write(input), program.closeWriteChannel();
    return program.waitForStarted();
}

// One verdict a line, with the line as given less a carriage return; a word needs the
// whole line, and an empty line is no word. Without a word the tool says how to use it.
TEST(DictionaryToolTest, BatchJudgesEachLineWholeAndNoWordShowsTheUsage)
{
    QProcess batch, bare;
    ASSERT_TRUE(started(batch, "sixfold-dict", {"--batch"}, "garden\nCAT-XY\nice ax\r\nzzqx\n\nits") && started(bare, "sixfold-dict"));
    ASSERT_TRUE(batch.waitForFinished() && bare.waitForFinished());
    EXPECT_EQ(std::pair(batch.exitCode(), bare.exitCode()), std::pair(0, 2));
    EXPECT_EQ(batch.readAllStandardOutput(), "1\tgarden\n0\tCAT-XY\n1\tice ax\n0\tzzqx\n0\t\n1\tits\n");
    EXPECT_TRUE(bare.readAllStandardError().startsWith("usage: sixfold-dict WORD..."));
}

// The built game run as a player runs it, with settings of its own and its standard output
// in a file: each quit signal ends it as quitting does, so the last player is stored.
class LaunchedGame : public ::testing::TestWithParam<int> {};

TEST_P(LaunchedGame, QuitSignalEndsTheGameTheNormalWay)
{
    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", folder.filePath("config"));
    environment.insert("XDG_DATA_HOME", folder.filePath("data"));
    environment.insert("ASAN_OPTIONS", "detect_leaks=0"); // the toolkit's own allocations outlive a signal
    QProcess game;
    game.setProcessEnvironment(environment);
    game.setStandardOutputFile(folder.filePath("out"));
    ASSERT_TRUE(started(game, "sixfold"));
    // The welcome reaches the file while the game still runs.
    ASSERT_TRUE(QTest::qWaitFor([&] { return fileText(folder.filePath("out")) == "You appear to be a new user, welcome!\n"; }, 30000));
    ASSERT_EQ(game.state(), QProcess::Running);
    ::kill(static_cast<pid_t>(game.processId()), GetParam());
    ASSERT_TRUE(game.waitForFinished(30000));
    EXPECT_TRUE(game.exitStatus() == QProcess::NormalExit && game.exitCode() == 0) << game.readAllStandardError().toStdString();
    EXPECT_TRUE(fileText(folder.filePath("config/sixfold/defaults.json")).contains("\"LastUser\""));
}

INSTANTIATE_TEST_SUITE_P(Signals, LaunchedGame, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

} // namespace
