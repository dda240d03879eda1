// SPDX-License-Identifier: GPL-3.0-or-later
#include "cells/cell_look.h"

#include <QLineEdit>
#include <QPainter>
#include <QPalette>

namespace {

const char* const kVerdictProperty = "sixfoldVerdict";
constexpr qreal kMarkThickness = 2;
constexpr qreal kMarkFromBottom = 2.5;
constexpr qreal kMarkInset = 8;

void setColour(QLineEdit* field, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::All, role, colour);
    field->setPalette(palette);
}

} // namespace

VerdictColours gVerdictColours;

void showVerdict(QLineEdit* field, Verdict verdict)
{
    switch (verdict) {
    case Verdict::Unchecked:
        setTextColor(field, kInputTextColour);
        break;
    case Verdict::Word:
        setTextColor(field, gVerdictColours.word);
        break;
    case Verdict::NotWord:
        setTextColor(field, gVerdictColours.nonWord);
        break;
    }
    field->setProperty(kVerdictProperty, static_cast<int>(verdict));
    QFont font = field->font();
    font.setStrikeOut(verdict == Verdict::NotWord);
    field->setFont(font);
    field->update();
}

Verdict shownVerdict(const QLineEdit* field)
{
    const int shown = field->property(kVerdictProperty).toInt();
    return shown == static_cast<int>(Verdict::Word) || shown == static_cast<int>(Verdict::NotWord)
        ? static_cast<Verdict>(shown)
        : Verdict::Unchecked;
}

void paintVerdictMark(QPainter& painter, const QLineEdit* field)
{
    if (shownVerdict(field) != Verdict::Word || field->text().isEmpty())
        return;
    const QRectF cell = field->rect();
    const qreal y = cell.bottom() - kMarkFromBottom;
    painter.setPen(QPen(textColor(field), kMarkThickness, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(cell.left() + kMarkInset, y), QPointF(cell.right() - kMarkInset, y));
}

void setTextColor(QLineEdit* field, const QColor& colour)
{
    setColour(field, QPalette::Text, colour);
}

void describeVerdict(QLineEdit* field, Verdict verdict)
{
    switch (verdict) {
    case Verdict::Unchecked:
        field->setAccessibleDescription(QString());
        break;
    case Verdict::Word:
        field->setAccessibleDescription(QStringLiteral("Checked: part of a word"));
        break;
    case Verdict::NotWord:
        field->setAccessibleDescription(QStringLiteral("Checked: not part of a word"));
        break;
    }
}

void setBackgroundColor(QLineEdit* field, const QColor& colour)
{
    setColour(field, QPalette::Base, colour);
}

QColor textColor(const QLineEdit* field)
{
    return field->palette().color(QPalette::Text);
}
