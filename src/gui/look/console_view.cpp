// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/console_view.h"

#include "core/platform/log_console.h"
#include "gui/look/zoom.h"

#include <QCoreApplication>
#include <QFont>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <utility>

QPointer<QPlainTextEdit> gTextView;

namespace {

QFont g_consoleFont;

// The document counts a final paragraph separator that the text does not hold.
int consoleLength(const QPlainTextEdit& view)
{
    return view.document()->characterCount() - 1;
}

void replaceConsoleText(QPlainTextEdit& view, int location, int length, const QString& text)
{
    QTextCursor cursor(view.document());
    cursor.setPosition(location);
    cursor.setPosition(location + length, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

void scrollConsoleTo(QPlainTextEdit& view, int location)
{
    QTextCursor cursor(view.document());
    cursor.setPosition(location);
    view.setTextCursor(cursor); // which scrolls it into view
}

// What was printed during this turn of the event loop, shown at its end as one insertion: a
// line at a time, each with its own scroll, floods a screen reader with events (a Submit's
// twenty lines made some sixty), and it then drops what it was to say of the round.
QString g_pending;

void showPending()
{
    const QString message = std::exchange(g_pending, QString());
    if (!gTextView || message.isEmpty())
        return;
    QPlainTextEdit& view = *gTextView;
    setZoomedFont(&view, g_consoleFont); // a no-op once it has it
    replaceConsoleText(view, consoleLength(view), 0, message);
    scrollConsoleTo(view, consoleLength(view));
    const int length = consoleLength(view);
    if (length > kConsoleLimit)
        replaceConsoleText(view, 0, length, message);
}

void showOnConsole(const QString& message)
{
    if (!gTextView)
        return;
    if (g_pending.isEmpty())
        QTimer::singleShot(0, QCoreApplication::instance(), &showPending);
    g_pending += message;
}

} // namespace

void attachConsoleView(QPlainTextEdit* view, const QFont& font)
{
    gTextView = view;
    g_consoleFont = font;
    if (view && consoleLength(*view) > 0)
        setZoomedFont(view, font);
    setConsoleSink(&showOnConsole);
    showPending(); // what was printed for the console it replaces, in this turn
}
