// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/launch_options.h"

#include "core/board/board_code.h"
#include "core/language/interface_language.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int kUsageStatus = 2;

struct OptionNames {
    QCommandLineOption board {QStringLiteral("board"),
                              QCoreApplication::translate("LaunchOptions", "Start on the board that CODE names (Game ▸ Copy Board Code gives one)."),
                              QCoreApplication::translate("LaunchOptions", "CODE", "the value of --board, named in its help")};
    QCommandLineOption daily {QStringLiteral("daily"), QCoreApplication::translate("LaunchOptions", "Start on today's daily board (UTC).")};
};

// Qt's own options (QGuiApplication's and QApplication's), which the toolkit takes from the
// command line once it starts: accepted here unlisted, so they keep working as before.
void acceptToolkitOptions(QCommandLineParser& parser)
{
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry",
                             "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "display", "name", "session",
                             "style", "stylesheet", "visual", "ncols", "im", "inputstyle"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void describe(QCommandLineParser& parser, const OptionNames& options)
{
    // Qt's options are single-dash words ("-platform offscreen"), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    acceptToolkitOptions(parser);
    parser.setApplicationDescription(QCoreApplication::translate("LaunchOptions", "A word puzzle: fill in five crossing six-letter words."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.board);
    parser.addOption(options.daily);
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// What `parser` makes of `arguments`: whether they ask for an answer (--help, --version), and
// what is wrong with them, in the language installed. A mistake anywhere on the line wins over
// --help and --version, so it is never printed by Qt's own answer, which exits with 1 and
// without the hint.
struct Reading {
    bool answers = false;
    QString problem;
};

Reading readLine(QCommandLineParser& parser, const OptionNames& options, const QStringList& arguments)
{
    if (!parser.parse(arguments))
        return {false, parser.errorText()};
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version")))
        return {true, QString()};
    if (parser.isSet(options.board) && parser.isSet(options.daily))
        return {false, QCoreApplication::translate("LaunchOptions", "Choose either --board or --daily, not both.")};
    if (!parser.positionalArguments().isEmpty())
        return {false, QCoreApplication::translate("LaunchOptions", "Unexpected argument '%1'.").arg(parser.positionalArguments().first())};
    // The word list is checked at launch; a code that cannot be any list's is refused here.
    if (parser.isSet(options.board)) {
        const CodeFault fault = readBoardCode(parser.value(options.board), {}).fault;
        if (fault == CodeFault::Malformed || fault == CodeFault::Typo)
            return {false, codeFaultSentence(fault)};
    }
    return {};
}

} // namespace

std::optional<LaunchOptions> readLaunchOptions(int argc, char* argv[], int* status)
{
    const QStringList arguments = argumentsOf(argc, argv);
    {
        OptionNames options;
        QCommandLineParser parser;
        describe(parser, options);
        const Reading reading = readLine(parser, options, arguments);
        if (!reading.answers && reading.problem.isEmpty())
            return LaunchOptions {parser.isSet(options.board) ? parser.value(options.board) : QString(), parser.isSet(options.daily)};
    }
    // Something for the player to read: the line is read again in the interface's language,
    // before the game's own application exists.
    QCoreApplication console(argc, argv);
    speakLanguage(launchLanguage());
    OptionNames options;
    QCommandLineParser parser;
    describe(parser, options);
    const Reading reading = readLine(parser, options, arguments);
    if (reading.answers)
        parser.process(arguments); // prints and exits
    std::fputs(qUtf8Printable(QCoreApplication::translate("LaunchOptions", "sixfold: %1\nTry 'sixfold --help' for the options.\n").arg(reading.problem)),
               stderr);
    *status = kUsageStatus;
    return std::nullopt;
}
