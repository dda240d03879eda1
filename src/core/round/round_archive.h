// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/round_figures.h"
#include "core/history/round_record.h"

#include <QString>

#include <functional>

// Where a finished round goes, and where the daily rule asks whether a day was played: the
// history, reached through the statistics module, or a stand-in in a test.
class RoundArchive {
public:
    virtual ~RoundArchive() = default;

    // Adds a finished round; returns at once, the round written off the window's thread or,
    // while the history cannot take it, kept until it can.
    virtual void recordRound(const RoundRecord& round) = 0;

    // Whether `player` has a result for the daily board numbered `number`: a round not yet
    // written counts; false while the history cannot be read at a glance.
    virtual bool hasDailyResult(const QString& player, int number) = 0;

    // Asks where `player` stands on the daily board numbered `today`, rounds not yet written
    // included; returns at once, and `done` gets the answer on the window's thread, or never
    // while the history cannot be read.
    virtual void askDailyStanding(const QString& player, int today, std::function<void(const DailyStanding&)> done) = 0;
};
