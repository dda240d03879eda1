// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/preferences/preferences.h"

#include <QColor>

class QPalette;

// The colours of the board's cells on a light desktop, all sRGB.
inline const QColor kCellBackground = QColor::fromRgbF(0.8f, 0.8f, 0.8f, 1.0f);
inline const QColor kInputTextColour = QColor::fromRgbF(0.0f, 0.0f, 0.0f, 1.0f);
inline const QColor kFixedTextColour = QColor::fromRgbF(0.0f, 0.0f, 1.0f, 1.0f);
inline const QColor kValidWordColour = QColor::fromRgbF(0.0f, 0.8f, 0.2f, 1.0f);
inline const QColor kInvalidWordColour = QColor::fromRgbF(1.0f, 0.0f, 0.0f, 1.0f);

// The colour-blind safe and high-contrast pair on the grey cell: a dark blue and a dark
// orange, apart for every common kind of colour blindness and each at least 4.5:1 against
// the cell, so the letters themselves carry the colour.
inline const QColor kSafeValidWordColour = QColor::fromRgb(0x00, 0x44, 0x88);
inline const QColor kSafeInvalidWordColour = QColor::fromRgb(0x88, 0x33, 0x00);

// Everything the board and the redrawn rounds are painted in.
struct BoardPalette {
    QColor word = kValidWordColour;
    QColor nonWord = kInvalidWordColour;
    QColor cell = kCellBackground;
    QColor inputText = kInputTextColour;
    QColor fixedText = kFixedTextColour;
    QColor panel = QColor(0xf3, 0xef, 0xe4);
    QColor panelBorder = QColor(0xd8, 0xd0, 0xbc);

    bool operator==(const BoardPalette&) const = default;
};

// The palette for the chosen word colours: on a light desktop the board exactly as it has
// always looked, on a dark one dark cells whose letters keep the same contrast rule.
BoardPalette boardPalette(WordColours colours, bool darkDesktop);

// The colour of the ring round the cell that has the focus: of the palette's two letter colours,
// the one that stands out most against both the cell and the panel behind it, so that the
// ring reads in every palette, light or dark, however the palette's colours change.
QColor focusRingColour(const BoardPalette& palette);

// Whether a desktop palette is dark: its window colour is darker than mid grey.
bool isDarkDesktop(const QPalette& desktop);

// WCAG 2 relative luminance of an sRGB colour, 0 for black to 1 for white.
double relativeLuminance(const QColor& colour);
// WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);
