// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/problem_report.h"

#include "core/platform/log_console.h"

#include <cstdio>

namespace {

ProblemReporter& reporter()
{
    static ProblemReporter current;
    return current;
}

} // namespace

void setProblemReporter(ProblemReporter newReporter)
{
    reporter() = std::move(newReporter);
}

void reportProblem(const QByteArray& message)
{
    if (reporter()) {
        reporter()(message);
        return;
    }
    std::fwrite(message.constData(), 1, static_cast<size_t>(message.size()), stdout);
    std::fflush(stdout);
}

void reportPlatformProblemsOnConsole()
{
    setProblemReporter([](const QByteArray& message) { printMessage(message); });
}
