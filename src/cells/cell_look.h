// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/board_geometry.h"

#include <QColor>

class QLineEdit;
class QPainter;

// The colours of the board's cells, all sRGB.
inline const QColor kCellBackground = QColor::fromRgbF(0.8f, 0.8f, 0.8f, 1.0f);
inline const QColor kInputTextColour = QColor::fromRgbF(0.0f, 0.0f, 0.0f, 1.0f);
inline const QColor kFixedTextColour = QColor::fromRgbF(0.0f, 0.0f, 1.0f, 1.0f);
inline const QColor kValidWordColour = QColor::fromRgbF(0.0f, 0.8f, 0.2f, 1.0f);
inline const QColor kInvalidWordColour = QColor::fromRgbF(1.0f, 0.0f, 0.0f, 1.0f);

// The colour-blind safe pair: a blue and an orange that stay apart for every common kind
// of colour blindness.
inline const QColor kSafeValidWordColour = QColor::fromRgb(0x00, 0x72, 0xb2);
inline const QColor kSafeInvalidWordColour = QColor::fromRgb(0xd5, 0x5e, 0x00);

// The colours a check shows a word's letters and a non-word's in.
struct VerdictColours {
    QColor word = kValidWordColour;
    QColor nonWord = kInvalidWordColour;
};

// Written at launch and whenever the player changes the word colours; the standard pair until then.
extern VerdictColours gVerdictColours;

// A check's verdict on a typed letter, shown by its colour and, for those who cannot tell
// the colours apart, by a line: a bar under a word's letter, a non-word's struck through.
// The font's own underline would fall below a cell this small, so the bar is painted.
// The verdict itself is the game model's; the field only shows it.
void showVerdict(QLineEdit* field, Verdict verdict);

// Paints the bar under a word's letter; called by the field after it paints itself.
void paintVerdictMark(QPainter& painter, const QLineEdit* field, Verdict verdict);

// Shows every typed cell of the board as the game model judged it: after a check, and
// when the player picks other colours.
void showBoardVerdicts();

// What a screen reader hears of an input cell besides its name: the verdict on its slot,
// for every cell of the slot, typed or empty.
void describeVerdict(QLineEdit* field, Verdict verdict);

void setTextColor(QLineEdit* field, const QColor& colour);
void setBackgroundColor(QLineEdit* field, const QColor& colour);
QColor textColor(const QLineEdit* field);
