// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/log_console.h"
#include "window/deferred_icons.h"
#include "window/text_field_values.h"

#include "support/globals.h"
#include "support/printed.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>

#include <fcntl.h>
#include <unistd.h>

TEST_F(WindowTest, ConsoleKeepsExactlyTheLimitInUtf16UnitsAndStartsAfreshPastIt)
{
    const QString emoji = QString::fromUtf8("\xf0\x9f\x98\x80"); // two UTF-16 units
    const struct { int filled; QString message; bool startsAfresh; } cases[] = {
        {kConsoleLimit - 2, QStringLiteral("a\n"), false}, {kConsoleLimit, QStringLiteral("b"), true},
        {kConsoleLimit - 1, QStringLiteral("\u00e9"), false}, {kConsoleLimit - 1, emoji, true},
        {0, QString(kConsoleLimit + 10, u'y'), false}, // one message longer than the limit is kept whole
    };
    QPlainTextEdit console;
    attachConsoleView(&console);
    for (const auto& row : cases) {
        console.setPlainText(QString(row.filled, u'x'));
        const QByteArray message = row.message.toUtf8();
        EXPECT_EQ(printedBy([&] { myPrintf("%s", message.constData()); }), message.toStdString());
        EXPECT_TRUE(console.toPlainText() == (row.startsAfresh ? row.message : QString(row.filled, u'x') + row.message)) << row.filled;
    }
    console.setPlainText({});
    console.show();
    for (int line = 0; line < 200; ++line)
        myPrintf("line %d\n", line);
    EXPECT_EQ(std::pair(console.textCursor().atEnd(), console.viewport()->rect().contains(console.cursorRect())), std::pair(true, true));
}

TEST_F(WindowTest, MessagesReachTheConsoleAsTheyAreAndStandardOutputAtOnce)
{
    EXPECT_EQ(printedBy([] { myPrintf("before launch\n"); }), "before launch\n");
    auto* console = new QPlainTextEdit;
    attachConsoleView(console);
    EXPECT_EQ(printedBy([] { myPrintf("'%s' is ", "AB\xc3"); myPrintf("%d %0.02f|", 42, 12.0); }), "'AB\xc3' is 42 12.00|");
    EXPECT_EQ(console->toPlainText(), QStringLiteral("'AB\uFFFD' is 42 12.00|"));
    delete console;
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    int pipeEnds[2];
    ASSERT_EQ(pipe2(pipeEnds, O_NONBLOCK), 0);
    dup2(pipeEnds[1], STDOUT_FILENO);
    myPrintf("no line feed"); // written to a console gone away, and to the pipe without waiting for one
    char bytes[32] = {};
    const ssize_t got = read(pipeEnds[0], bytes, sizeof bytes - 1);
    dup2(saved, STDOUT_FILENO);
    close(saved), close(pipeEnds[0]), close(pipeEnds[1]);
    EXPECT_EQ(std::string(bytes, got > 0 ? static_cast<size_t>(got) : 0), "no line feed");
}

TEST_F(WindowTest, FieldValuesReadAsLeadingIntegersHeldAtTheLimitsAndAreNamedByTheirCaption)
{
    for (const auto& [text, value] : std::vector<std::pair<const char*, int32_t>> {{"47", 47}, {"  -12abc", -12},
             {"+8", 8}, {"abc", 0}, {"", 0}, {"- 5", 0}, {"2147483647", 2147483647}, {"99999999999999999999", 2147483647},
             {"-2147483648", INT32_MIN}, {"-99999999999999999999", INT32_MIN}})
        EXPECT_EQ(intValue(QString::fromUtf8(text)), value) << text;
    QWidget panel;
    auto* field = new QLabel(&panel);
    new QLabel(QStringLiteral("Not its caption"), &panel);
    setIntValue(field, -40);
    EXPECT_EQ(field->text() + u'|' + field->accessibleName(), QStringLiteral("-40|-40"));
    (new QLabel(QStringLiteral("Your score"), &panel))->setBuddy(field);
    setIntValue(field, 12);
    EXPECT_EQ(field->text() + u'|' + field->accessibleName(), QStringLiteral("12|Your score: 12"));
}

// The overflow buttons' icons are the style's own, only made later; a second call keeps the style.
TEST_F(WindowTest, ExtensionButtonIconsAreTheStylesOwn)
{
    const auto image = [](QStyle::StandardPixmap which) { return QApplication::style()->standardIcon(which).pixmap(16).toImage(); };
    const QImage horizontal = image(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QImage vertical = image(QStyle::SP_ToolBarVerticalExtensionButton);
    deferExtensionButtonIcons();
    const QStyle* deferring = QApplication::style();
    deferExtensionButtonIcons();
    EXPECT_EQ(QApplication::style(), deferring);
    EXPECT_EQ(image(QStyle::SP_ToolBarHorizontalExtensionButton), horizontal);
    EXPECT_EQ(image(QStyle::SP_ToolBarVerticalExtensionButton), vertical);
    EXPECT_NE(horizontal, vertical);
}
