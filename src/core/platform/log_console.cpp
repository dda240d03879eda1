// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/log_console.h"

#include <QByteArray>
#include <QString>

#include <cstdarg>
#include <cstdio>
#include <new>
#include <string>

namespace {

ConsoleSink g_sink = nullptr;
Speaker g_speaker = nullptr;

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

void show(const char* message)
{
    if (g_sink)
        g_sink(QString::fromUtf8(message));
    // Each message leaves at once, so a pipe or a file sees it while the game runs and
    // keeps it however the process ends.
    std::fputs(message, stdout);
    std::fflush(stdout);
}

} // namespace

void setConsoleSink(ConsoleSink sink)
{
    g_sink = sink;
}

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
    show(message.c_str());
}

void printMessage(const QByteArray& message)
{
    show(message.constData());
}

void printMessage(const QString& message)
{
    printMessage(message.toUtf8());
}

void setSpeaker(Speaker speaker)
{
    g_speaker = speaker;
}

void sayAloud(const QString& sentence)
{
    if (g_speaker && !sentence.isEmpty())
        g_speaker(sentence);
}
