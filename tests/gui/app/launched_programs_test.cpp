// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/game_test.h"
#include "core/board/board_code.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

namespace {

// Starts the program `name` built beside the tests, with `input` as its whole standard input.
bool started(QProcess& program, const char* name, const QStringList& arguments = {}, const QByteArray& input = {})
{
    program.start(QCoreApplication::applicationDirPath() + '/' + name, arguments);
    program.write(input), program.closeWriteChannel();
    return program.waitForStarted();
}

// Runs the dictionary tool to its end, expecting it to exit with `status`; returns what it wrote to `channel`.
QByteArray dictSays(const QStringList& arguments, const QByteArray& input = {}, int status = 0, QProcess::ProcessChannel channel = QProcess::StandardOutput)
{
    QProcess tool;
    EXPECT_TRUE(started(tool, "sixfold-dict", arguments, input) && tool.waitForFinished());
    EXPECT_EQ(tool.exitCode(), status) << arguments.join(u' ').toStdString();
    tool.setReadChannel(channel);
    return tool.readAll();
}

// One verdict a line, with the line as given less a carriage return; a word needs the
// whole line, and an empty line is no word. Without a word the tool says how to use it.
TEST(DictionaryToolTest, BatchJudgesEachLineWholeAndNoWordShowsTheUsage)
{
    EXPECT_EQ(dictSays({"--batch"}, "garden\nCAT-XY\nice ax\r\nzzqx\n\nits"), "1\tgarden\n0\tCAT-XY\n1\tice ax\n0\tzzqx\n0\t\n1\tits\n");
    EXPECT_EQ(dictSays({"--help"}), dictSays({}, {}, 2, QProcess::StandardError));
    // The lexicon's filter: six characters, lower case, sorted, none twice.
    EXPECT_EQ(dictSays({"--lexicon"}, "zygote\nGARDEN\n garden\nice ax\nzzqxzz\ngardens\ngarden\n"), "garden\nice ax\nzygote\n");
    EXPECT_EQ(dictSays({"--best", "QUART?"}), "quartz 24\nquarte 15\nquarto 15\nquarts 15\n");
    EXPECT_EQ(dictSays({"--best", "??????"}).count('\n'), 20) << "the best twenty of those that fit";
    EXPECT_EQ(dictSays({"--best", "QUARTZ?"}, {}, 2, QProcess::StandardError), "sixfold-dict: a pattern has six characters, '?' for any: QUARTZ?\n")
        << "a pattern of seven is a mistake, and said";
}

// A dictionary lacking a source is said on standard error, never among the verdicts, and the status says it:
// the words are judged by the rest, but no lexicon is made without every source. The folder is no word to check.
TEST(DictionaryToolTest, AMissingSourceIsAFailureOnStandardErrorAndMakesNoLexicon)
{
    const QTemporaryDir empty;
    const QStringList lexicon = {"--resources", empty.path(), "--lexicon"}, batch = {"--resources", empty.path(), "--batch"};
    EXPECT_EQ(dictSays(lexicon, "garden\n", 1) + dictSays(batch, "garden\n", 1), "1\tgarden\n");
    const QByteArray lacks = dictSays(lexicon, "garden\n", 1, QProcess::StandardError);
    EXPECT_TRUE(lacks.startsWith("The English dictionary lacks the function words (looked for " + empty.path().toUtf8() + "/function_words.txt)")
                && lacks.endsWith("sixfold-dict: no lexicon is made from a dictionary that lacks a source.\n")) << lacks.toStdString();
}

// The game's options answer on the terminal, with no window and no display needed.
TEST(LaunchOptionsTest, HelpAndVersionAnswerAndAMistakeExitsWithTwo)
{
    const struct { QStringList arguments; int status; const char* says; } rows[] = {
        {{"--help"}, 0, "Options:\n  -h, --help"}, // the toolkit's options stay unlisted
        {{"--version"}, 0, "sixfold " SIXFOLD_VERSION "\n"},
        {{"--bogus"}, 2, "Unknown option 'bogus'."},
        {{"--help-all"}, 0, "Options:\n  -h, --help"}, // listed by --help, so it is no way to start the game
        {{"--version", "--bogus"}, 2, "Unknown option 'bogus'."}, {{"--bogus", "--help"}, 2, "Unknown option 'bogus'."},
        {{"-platform", "minimal", "-reverse", "--help"}, 0, "--daily"}, // the toolkit's options stay the toolkit's
        {{"--board", "3STAD-KW9V8"}, 2, "has a typo"},
        {{"--board", "3STAD-KW9V7", "--daily"}, 2, "not both"},
    };
    for (const auto& row : rows) {
        QProcess game;
        game.setProcessEnvironment(QProcessEnvironment {}); // no display at all
        ASSERT_TRUE(started(game, "sixfold", row.arguments) && game.waitForFinished());
        const QByteArray said = game.readAllStandardOutput() + game.readAllStandardError();
        EXPECT_EQ(game.exitCode(), row.status) << said.toStdString();
        EXPECT_TRUE(said.contains(row.says)) << said.toStdString();
        EXPECT_EQ(said.contains("\nTry 'sixfold --help' for the options.\n"), row.status == 2) << said.toStdString();
    }
    QProcess french; // a mistake is told in the desktop's language
    QProcessEnvironment language;
    language.insert("LANGUAGE", "fr");
    french.setProcessEnvironment(language);
    ASSERT_TRUE(started(french, "sixfold", {"--bogus"}) && french.waitForFinished());
    EXPECT_TRUE(french.readAllStandardError().contains("Essayez"));
}

// The built game run as a player runs it, with settings of its own and its output in a file.
bool launched(QProcess& game, const QTemporaryDir& folder, const QStringList& arguments = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", folder.filePath("config"));
    environment.insert("XDG_DATA_HOME", folder.filePath("data"));
    environment.insert("ASAN_OPTIONS", "detect_leaks=0"); // the toolkit's own allocations outlive a signal
    environment.insert("QT_LOGGING_RULES", "qt.widgets.painting=true"); // tells when the window is drawn
    game.setProcessEnvironment(environment);
    game.setStandardOutputFile(folder.filePath("out"));
    return started(game, "sixfold", arguments);
}

void expectNormalEndOn(int signal, QProcess& game)
{
    ::kill(static_cast<pid_t>(game.processId()), signal);
    ASSERT_TRUE(game.waitForFinished(30000));
    EXPECT_TRUE(game.exitStatus() == QProcess::NormalExit && game.exitCode() == 0) << game.readAllStandardError().toStdString();
}

// Each quit signal ends the game as quitting does, so the last player is stored. A board code or
// --daily on the command line is read at launch: a code from another word list is told and play goes on.
struct Launch { int signal; QStringList arguments; QByteArray said; };
void PrintTo(const Launch& launch, std::ostream* out) { *out << sigabbrev_np(launch.signal); } // names the ctest entry
class LaunchedGame : public ::testing::TestWithParam<Launch> {};

TEST_P(LaunchedGame, QuitSignalEndsTheGameTheNormalWay)
{
    QTemporaryDir folder;
    QProcess game;
    ASSERT_TRUE(launched(game, folder, GetParam().arguments));
    // The welcome reaches the file while the game still runs, and the window is drawn.
    QByteArray drawn;
    const auto drawnAndWelcomed = [&] {
        drawn += game.readAllStandardError();
        return drawn.contains("Drawing") && fileText(folder.filePath("out")) == GetParam().said;
    };
    ASSERT_TRUE(QTest::qWaitFor(drawnAndWelcomed, 30000));
    ASSERT_EQ(game.state(), QProcess::Running);
    expectNormalEndOn(GetParam().signal, game);
    EXPECT_TRUE(fileText(folder.filePath("config/sixfold/defaults.json")).contains("\"LastUser\""));
}

// Started under nohup and a file-size limit below the statistics' size: hang-ups stay
// ignored, and the save past the limit fails as on a full disk while the game plays on.
TEST(LaunchedGameTest, InheritedIgnoredHangUpStaysAndAFileSizeLimitOnlyFailsTheSave)
{
    QTemporaryDir folder;
    QProcess game;
    game.setChildProcessModifier([] {
        ::signal(SIGHUP, SIG_IGN);
        const rlimit limit {300, 300};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    ASSERT_TRUE(launched(game, folder));
    const auto out = [&] { return fileText(folder.filePath("out")); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return out().contains("cannot be saved") || game.state() != QProcess::Running; }, 30000));
    ASSERT_EQ(game.state(), QProcess::Running) << out().constData();
    const QByteArray status = fileText(QStringLiteral("/proc/%1/status").arg(game.processId()));
    const qulonglong ignored = status.mid(status.indexOf("SigIgn:\t") + 8, 16).toULongLong(nullptr, 16);
    EXPECT_TRUE(ignored & (1ULL << (SIGHUP - 1))) << status.constData();
    expectNormalEndOn(SIGTERM, game);
}

const QByteArray kOtherList = "That board code was dealt from another word list, so this game cannot deal the same board.\n";
const QByteArray kDaily = "Daily #" + QByteArray::number(dailyNumber(QDateTime::currentDateTimeUtc().date())) + ": your first submission of it is today's result.\n";
INSTANTIATE_TEST_SUITE_P(Signals, LaunchedGame, ::testing::Values(Launch {SIGTERM, {}, kWelcome.c_str()}, Launch {SIGINT, {"--daily"}, kWelcome.c_str() + kDaily},
                                                                  Launch {SIGHUP, {"--board", boardCode(7, {~uint64_t {0}})}, kWelcome.c_str() + kOtherList}));

} // namespace
