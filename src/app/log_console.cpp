#include "app/log_console.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdarg>
#include <cstdio>
#include <new>
#include <string>

QPointer<QPlainTextEdit> gTextView;

namespace {

// Measures first, so the buffer always has room, however long an argument is.
std::string formatMessage(const char* format, va_list args)
{
    va_list measuring;
    va_copy(measuring, args);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length <= 0)
        return {};
    std::string message(static_cast<size_t>(length), '\0');
    std::vsnprintf(message.data(), message.size() + 1, format, args);
    return message;
}

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
    view.setTextCursor(cursor);
    view.ensureCursorVisible();
}

void showOnConsole(QPlainTextEdit& view, const QString& message)
{
    replaceConsoleText(view, consoleLength(view), 0, message);
    scrollConsoleTo(view, consoleLength(view));
    const int length = consoleLength(view);
    if (length > kConsoleLimit)
        replaceConsoleText(view, 0, length, message);
}

} // namespace

void myPrintf(const char* format, ...)
{
    std::string message;
    va_list args;
    va_start(args, format);
    try {
        message = formatMessage(format, args);
    } catch (const std::bad_alloc&) {
        std::fputs("sixfold: a message too large to hold in memory was dropped\n", stderr);
    }
    va_end(args);

    if (gTextView)
        showOnConsole(*gTextView, QString::fromUtf8(message.c_str()));
    std::printf("%s", message.c_str());
}
