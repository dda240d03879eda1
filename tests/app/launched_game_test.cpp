#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {

const QByteArray kWelcome = "You appear to be a new user, welcome!\n";

// The built game run as a player would run it, its standard output going to a file and
// its settings to a folder of its own.
class LaunchedGame : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QFile suppressions(m_folder.filePath(QStringLiteral("lsan.supp")));
        ASSERT_TRUE(suppressions.open(QIODevice::WriteOnly));
        suppressions.write("leak:libfontconfig.so\n");
        suppressions.close();
        environment.insert(QStringLiteral("LSAN_OPTIONS"), QStringLiteral("suppressions=") + suppressions.fileName());
        m_game.setProcessEnvironment(environment);
        m_game.setStandardOutputFile(outputPath());
        m_game.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("sixfold")), {});
        ASSERT_TRUE(m_game.waitForStarted());
    }

    void TearDown() override
    {
        if (m_game.state() != QProcess::NotRunning) {
            m_game.kill();
            m_game.waitForFinished();
        }
    }

    QString outputPath() const { return m_folder.filePath(QStringLiteral("out")); }

    QByteArray fileText(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_folder;
    QProcess m_game;
};

// Each message reaches the file while the game still runs; the signal ends the game as
// quitting does, so the last player is stored.
TEST_P(LaunchedGame, QuitSignalEndsTheGameTheNormalWay)
{
    ASSERT_TRUE(QTest::qWaitFor([this] { return fileText(outputPath()).contains(kWelcome); }, 30000))
        << fileText(outputPath()).toStdString();
    ASSERT_EQ(m_game.state(), QProcess::Running);
    ::kill(static_cast<pid_t>(m_game.processId()), GetParam());
    ASSERT_TRUE(m_game.waitForFinished(30000));
    EXPECT_EQ(m_game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_game.exitCode(), 0) << m_game.readAllStandardError().toStdString();
    EXPECT_TRUE(fileText(m_folder.filePath(QStringLiteral("config/sixfold/defaults.json"))).contains("\"LastUser\""));
}

INSTANTIATE_TEST_SUITE_P(Signals, LaunchedGame, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

} // namespace
