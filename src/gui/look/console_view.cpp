// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/console_view.h"

#include "core/platform/log_console.h"
#include "gui/look/zoom.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

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

void showOnConsole(const QString& message)
{
    if (!gTextView)
        return;
    QPlainTextEdit& view = *gTextView;
    setZoomedFont(&view, g_consoleFont); // a no-op once it has it
    replaceConsoleText(view, consoleLength(view), 0, message);
    scrollConsoleTo(view, consoleLength(view));
    const int length = consoleLength(view);
    if (length > kConsoleLimit)
        replaceConsoleText(view, 0, length, message);
}

} // namespace

void attachConsoleView(QPlainTextEdit* view, const QFont& font)
{
    gTextView = view;
    g_consoleFont = font;
    if (view && consoleLength(*view) > 0)
        setZoomedFont(view, font);
    setConsoleSink(&showOnConsole);
}
