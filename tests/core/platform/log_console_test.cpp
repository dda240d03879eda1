// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/log_console.h"
#include "core/platform/problem_report.h"

#include "support/printed.h"

#include <QTemporaryFile>

#include <unistd.h>

// Each message reaches the attached sink whole (bytes that are not UTF-8 as U+FFFD), however long, and standard output
// byte for byte and at once, line feed or not; so do the platform's problems once they are sent this way.
TEST(LogConsoleTest, MessagesReachTheSinkAsTheyAreAndStandardOutputAtOnce)
{
    static QString shown;
    setConsoleSink([](const QString& message) { shown += message + u'|'; });
    const std::string longest(100000, 'y');
    EXPECT_EQ(printedBy([&] { myPrintf("'%s' is ", "AB\xc3"), myPrintf("%d %0.02f", 42, 12.0), myPrintf("%s", longest.c_str()); }),
              "'AB\xc3' is 42 12.00" + longest);
    reportPlatformProblemsOnConsole();
    EXPECT_EQ(printedBy([] { reportProblem("cannot\n"); }), "cannot\n");
    setProblemReporter({}), setConsoleSink(nullptr);
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    QTemporaryFile file;
    ASSERT_TRUE(file.open() && dup2(file.handle(), STDOUT_FILENO) >= 0);
    myPrintf("no line feed"), reportProblem("!"); // on their way at once, not when a line ends or a buffer fills
    const off_t written = lseek(file.handle(), 0, SEEK_CUR);
    dup2(saved, STDOUT_FILENO), close(saved);
    EXPECT_EQ(written, 13);
    EXPECT_EQ(shown, QStringLiteral("'AB\uFFFD' is |42 12.00|") + QString::fromStdString(longest) + QStringLiteral("|cannot\n|"));
}
