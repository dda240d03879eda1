// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/log_console.h"
#include "gui/look/board_panel.h"

#include "support/globals.h"

#include <QApplication>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>

TEST_F(WindowTest, ConsoleKeepsExactlyTheLimitInUtf16UnitsAndStartsAfreshPastIt)
{
    const QString emoji = QString::fromUtf8("\xf0\x9f\x98\x80"); // two UTF-16 units
    const struct { int filled; QString message; bool startsAfresh; } cases[] = {
        {kConsoleLimit - 2, QStringLiteral("a\n"), false}, {kConsoleLimit, QStringLiteral("b"), true},
        {kConsoleLimit - 1, QStringLiteral("\u00e9"), false}, {kConsoleLimit - 1, emoji, true},
        {0, QString(kConsoleLimit + 10, u'y'), false}, // one message longer than the limit is kept whole
    };
    const QFont font(QStringLiteral("Monaco"), 14);
    QPlainTextEdit console;
    attachConsoleView(&console, font), testing::internal::CaptureStderr(); // and no cursor placed off the text, which the toolkit would warn of
    for (const auto& row : cases) {
        console.setPlainText(QString(row.filled, u'x'));
        const QByteArray message = row.message.toUtf8();
        myPrintf("%s", message.constData()), QCoreApplication::processEvents(); // shown at the end of the turn
        EXPECT_TRUE(console.toPlainText() == (row.startsAfresh ? row.message : QString(row.filled, u'x') + row.message)) << row.filled;
    }
    console.setPlainText(QStringLiteral("x")), console.moveCursor(QTextCursor::Start); // as the player may have clicked
    console.show();
    for (int line = 0; line < 200; ++line)
        myPrintf("line %d\n", line);
    QCoreApplication::processEvents();
    const bool cursorShown = console.viewport()->rect().contains(console.cursorRect());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(console.textCursor().atEnd());
    EXPECT_TRUE(cursorShown) << "the console is not scrolled to its end";
}

// The board's panel is painted as its style sheet once painted it, on a light desktop and, repainted, a dark.
TEST_F(WindowTest, BoardPanelPaintsAsItsStyleSheetDid)
{
    QWidget window;
    auto* panel = new BoardPanel(&window);
    panel->setGeometry(16, 20, 574, 336), window.resize(620, 380), window.show();
    for (const auto& [fill, border] : {std::pair {"#f3efe4", "#d8d0bc"}, std::pair {"#262420", "#4a463c"}}) {
        QWidget other;
        auto* styled = new QFrame(&other);
        styled->setGeometry(16, 20, 574, 336);
        styled->setStyleSheet(QStringLiteral("QFrame { background-color: %1; border: 1px solid %2; border-radius: 8px; }").arg(fill, border));
        panel->setColours(QColor(fill), QColor(border)), QCoreApplication::processEvents();
        EXPECT_TRUE(window.screen()->grabWindow(window.winId()).toImage() == other.grab(QRect(0, 0, 620, 380)).toImage()) << fill;
    }
}
