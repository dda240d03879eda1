// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/round_record.h"
#include "core/kept_board/board_document.h"
#include "gui/board_view/puzzle_check.h"

class QDateTime;
class QString;

// The round just checked, as the history keeps it: the five slots in the order the words
// chain, each with the computer's word, the cells as the player left them (a space for an
// empty one) and the verdict the check gave it.
RoundRecord roundRecordOf(const QString& player, const QDateTime& playedAt, const BoardState& shown,
                          const BoardCheck& check);
