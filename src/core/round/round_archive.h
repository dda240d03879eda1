// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/round_record.h"

#include <QString>

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
};
