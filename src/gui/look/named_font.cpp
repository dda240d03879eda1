// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/named_font.h"

QFont namedFont(const QString& family, qreal points, QFont::StyleHint fallback)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setStyleHint(fallback);
    return font;
}

QFont boardFont()
{
    return namedFont(QStringLiteral("Palatino"), 20.0, QFont::Serif);
}
