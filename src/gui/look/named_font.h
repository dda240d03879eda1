// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The font `family` at `points`. Where the family is not installed, fontconfig substitutes
// one of the `fallback` kind, so a missing "Monaco" still gives a monospaced console.
QFont namedFont(const QString& family, qreal points, QFont::StyleHint fallback);

// The board's face, Palatino at 20 points or a serif in its place: the letters of the cells,
// and the two scores beside the board, which so cost the start no face of their own.
QFont boardFont();
