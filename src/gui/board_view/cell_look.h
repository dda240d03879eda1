// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/look/board_palette.h"
#include "core/board/board_geometry.h"

#include <QColor>
#include <QString>

#include <optional>

class QLineEdit;

// The colours the board is painted in: written at launch and whenever the player changes
// the word colours; the standard light palette until then.
extern BoardPalette gBoardPalette;

// A check's verdict on a typed letter, shown by its colour and, for those who cannot tell
// the colours apart, by a line: a bar under a word's letter, a non-word's struck through.
// The font's own underline would fall below a cell this small, and its strike-out hides in
// the crossbar of an A, B or E, so both lines are painted across the cell as well.
// The verdict itself is the game model's; the field only shows it, on `background`.
void showVerdict(QLineEdit* field, Verdict verdict, const QColor& background);

// What a screen reader hears of a cell besides its name, sentence by sentence: `where` it
// is and the words through it, the verdict on its slot,
// for every cell of the slot, typed or empty, and on a slot's last cell its points, as said
// ("8 for 1 across").
void describeVerdict(QLineEdit* field, const QString& where, Verdict verdict, const QString& points = {});

void setTextColor(QLineEdit* field, const QColor& colour);
void setBackgroundColor(QLineEdit* field, const QColor& colour);
// Both at once, as a new cell takes them: one palette change instead of two.
void setCellColours(QLineEdit* field, const QColor& background, const QColor& text);
QColor textColor(const QLineEdit* field);
