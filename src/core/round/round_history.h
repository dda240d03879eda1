// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/round_record.h"

class GameModel;
class QDateTime;
class QString;

// The model's round as the history keeps it: the five slots in the order the words chain,
// each with the computer's word, the cells as the player left them (a crossing's fixed letter
// in capitals, a space for an empty cell) and the verdict and points of the last check.
// Empty slots without a board.
RoundRecord roundRecordOf(const QString& player, const QDateTime& playedAt, const GameModel& model);
