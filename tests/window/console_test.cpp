#include "console/log_console.h"
#include "window/console_view.h"

#include "support/globals.h"

#include <QPlainTextEdit>
#include <QScrollBar>

#include <string>

namespace {

class LogConsoleTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        gTextView = &m_console;
    }

    QString consoleText() const { return m_console.toPlainText(); }
    void fillConsole(int characters) { m_console.setPlainText(QString(characters, u'x')); }

    QPlainTextEdit m_console;
};

TEST_F(LogConsoleTest, MessagesBeforeLaunchGoToStandardOutputOnly)
{
    gTextView = nullptr;
    testing::internal::CaptureStdout();
    myPrintf("Null list.\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Null list.\n");
    EXPECT_EQ(consoleText(), "");
}

TEST_F(LogConsoleTest, MessagesAreAppendedAsTheyAre)
{
    testing::internal::CaptureStdout();
    myPrintf("'%s' is ", "garden");
    myPrintf("a word.\n");
    myPrintf("%d %0.02f|", 42, 12.0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "'garden' is a word.\n42 12.00|");
    EXPECT_EQ(consoleText(), "'garden' is a word.\n42 12.00|");
}

TEST_F(LogConsoleTest, TextOfExactlyTheLimitIsKept)
{
    fillConsole(kConsoleLimit - 2);
    myPrintf("a\n");
    EXPECT_EQ(consoleText().size(), kConsoleLimit);
    EXPECT_TRUE(consoleText().endsWith(u"xa\n"));
}

TEST_F(LogConsoleTest, OneCharacterPastTheLimitLeavesOnlyThatMessage)
{
    fillConsole(kConsoleLimit);
    testing::internal::CaptureStdout();
    myPrintf("b");
    EXPECT_EQ(consoleText(), "b");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "b");
}

TEST_F(LogConsoleTest, LimitCountsUtf16Units)
{
    fillConsole(kConsoleLimit - 1);
    myPrintf("\xc3\xa9"); // one unit: exactly at the limit
    EXPECT_EQ(consoleText().size(), kConsoleLimit);
    fillConsole(kConsoleLimit - 1);
    myPrintf("\xf0\x9f\x98\x80"); // a surrogate pair: one past it
    EXPECT_EQ(consoleText(), QString::fromUtf8("\xf0\x9f\x98\x80"));
}

TEST_F(LogConsoleTest, SingleMessageOverTheLimitIsKeptWhole)
{
    const std::string huge(kConsoleLimit + 10, 'y');
    testing::internal::CaptureStdout();
    myPrintf("%s", huge.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), huge);
    EXPECT_EQ(consoleText(), QString::fromStdString(huge));
}

TEST_F(LogConsoleTest, ArgumentsOfAnyLengthAreFormattedWhole)
{
    gTextView = nullptr; // a console this long would only slow the test down
    const std::string pasted(33'000'000, 'q');
    testing::internal::CaptureStdout();
    myPrintf("'%s' is not a word.\n", pasted.c_str());
    const std::string written = testing::internal::GetCapturedStdout();
    EXPECT_EQ(written.size(), pasted.size() + 18);
    EXPECT_EQ(written.substr(written.size() - 17), "' is not a word.\n");
}

TEST_F(LogConsoleTest, InvalidUtf8ShowsAsReplacementButReachesStandardOutputUnchanged)
{
    testing::internal::CaptureStdout();
    myPrintf("'%s' is not a word.\n", "AB\xc3");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "'AB\xc3' is not a word.\n");
    EXPECT_EQ(consoleText(), QStringLiteral("'AB\uFFFD' is not a word.\n"));
}

TEST_F(LogConsoleTest, ConsoleScrollsToTheLatestMessage)
{
    m_console.resize(300, 100);
    m_console.show();
    for (int line = 0; line < 200; ++line)
        myPrintf("line %d\n", line);
    const QScrollBar* scrollBar = m_console.verticalScrollBar();
    EXPECT_GT(scrollBar->value(), scrollBar->maximum() / 2);
    EXPECT_TRUE(m_console.textCursor().atEnd());
    EXPECT_TRUE(m_console.viewport()->rect().contains(m_console.cursorRect()));
}

TEST_F(LogConsoleTest, ConsoleThatWentAwayIsNoLongerWritten)
{
    auto* console = new QPlainTextEdit;
    gTextView = console;
    delete console;
    testing::internal::CaptureStdout();
    myPrintf("still here\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "still here\n");
}

} // namespace
