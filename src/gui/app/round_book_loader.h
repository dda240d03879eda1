// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/statistics_window/round_book.h"

#include <memory>

// Loads the module sixfold-statistics (beside the program in a build tree, in its installed
// folder otherwise) and makes a new book from it. Null with `problem` set, a line for the
// console, when the module cannot be loaded.
std::unique_ptr<RoundBook> loadRoundBook(QString* problem);

// The game's book: its lines go to the console, and it learns a round's best possible score and
// review from the lexicon, which is read now. Null, said on the console, when it cannot be loaded.
std::unique_ptr<RoundBook> loadGamesRoundBook();
