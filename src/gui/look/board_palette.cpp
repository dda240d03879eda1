// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/board_palette.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

// Mid grey in light, not in sRGB value: #767676 is the darkest grey that reads 4.5:1 on white.
constexpr double kDarkBelowLuminance = 0.18;

double linear(float channel)
{
    return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

BoardPalette boardPalette(WordColours colours, bool darkDesktop)
{
    const bool safe = colours == WordColours::ColourBlindSafe;
    if (!darkDesktop) {
        BoardPalette light;
        if (safe)
            light.word = kSafeValidWordColour, light.nonWord = kSafeInvalidWordColour;
        return light;
    }
    BoardPalette dark;
    dark.cell = QColor(0x33, 0x33, 0x33);
    dark.inputText = QColor(0xf2, 0xf2, 0xf2);
    dark.fixedText = QColor(0x8c, 0xb4, 0xff);
    dark.panel = QColor(0x26, 0x24, 0x20);
    dark.panelBorder = QColor(0x4a, 0x46, 0x3c);
    // On the dark cell the standard green holds 4.5:1 as it is; the red is lightened until it does.
    dark.word = safe ? QColor(0x56, 0xb4, 0xe9) : kValidWordColour;
    dark.nonWord = safe ? QColor(0xe6, 0x9f, 0x00) : QColor(0xff, 0x77, 0x77);
    return dark;
}

QColor focusRingColour(const BoardPalette& palette)
{
    const auto worstContrast = [&palette](const QColor& ring) {
        return std::min(contrastRatio(ring, palette.cell), contrastRatio(ring, palette.panel));
    };
    // Not a verdict's colour, which the ring would seem to give the cell.
    return worstContrast(palette.fixedText) > worstContrast(palette.inputText) ? palette.fixedText : palette.inputText;
}

bool isDarkDesktop(const QPalette& desktop)
{
    return relativeLuminance(desktop.color(QPalette::Window)) < kDarkBelowLuminance;
}

double relativeLuminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}
