// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/log_console.h"

#include <QString>
#include <gtest/gtest.h>

#include <string>

// Runs `action` and returns what it wrote to standard output.
std::string printedBy(auto&& action)
{
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}

// Runs `action` and returns what it said aloud (sayAloud), one sentence a line.
std::string heardFrom(auto&& action)
{
    static QString heard;
    heard.clear(), setSpeaker([](const QString& sentence) { heard += sentence + u'\n'; });
    action(), setSpeaker(nullptr);
    return heard.toStdString();
}
