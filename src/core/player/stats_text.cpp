// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/player/stats_text.h"

#include "core/player/user_stats.h"

#include <cstdarg>
#include <cstdio>

namespace {

void appendLine(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));

void appendLine(std::string& text, const char* format, ...)
{
    char line[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    text += line;
}

} // namespace

std::string statsText(const UserStats& stats)
{
    std::string text;
    appendLine(text, "Stats for %s:\n", stats.userName);
    appendLine(text, "    Average Score: %0.02f\n", static_cast<double>(stats.averageScore));
    appendLine(text, "    Average Valid Words Per Puzzle: %0.02f\n", static_cast<double>(stats.averageValidWordsPerPuzzle));
    appendLine(text, "    Average Word Score: %0.02f\n", static_cast<double>(stats.averageWordScore));
    appendLine(text, "    Total Puzzle Submissions: %d\n", stats.totalPuzzlesSubmitted);
    appendLine(text, "    Total Words Made: %d\n", stats.totalWordsMade);
    appendLine(text, "    Computer Average: %0.02f\n", static_cast<double>(stats.computerAverage));
    appendLine(text, "    Best Word: '%s', %d points\n", stats.bestWord, stats.bestWordScore);
    appendLine(text, "    Best Round Score: %d\n", stats.bestRoundScore);
    return text;
}
