// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_state.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The document as indented JSON.
QByteArray writeBoardDocument(const BoardState& board);

// Reads a document written by writeBoardDocument. Refuses, with the reason in `error`, one
// that is not JSON, misses a field, places a word off the board or off the chain, lets two
// words disagree where they cross, puts a typed letter anywhere but a blank cell of a word, or
// types what a cell cannot show (more than one character, a control character, a direction mark).
// A document without a hint count (kept before hints were counted) gives 0.
std::optional<BoardState> readBoardDocument(const QByteArray& bytes, QString* error = nullptr);

// The board's identity: its id, or for a board kept without one its words and where they lie,
// the same in every game that reads it.
QString boardIdentity(const BoardState& board);
