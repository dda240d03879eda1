#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {

QByteArray fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("ASAN_OPTIONS", "detect_leaks=0"); // the toolkit's own allocations outlive a signal
    QProcess game;
    game.setProcessEnvironment(environment);
    game.setStandardOutputFile(folder.filePath("out"));
    game.start(QCoreApplication::applicationDirPath() + "/sixfold", {});
    ASSERT_TRUE(game.waitForStarted());
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
