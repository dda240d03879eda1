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

void showVerdict(QLineEdit* field, LetterVerdict verdict)
{
    switch (verdict) {
    case LetterVerdict::Unchecked:
        setTextColor(field, kInputTextColour);
        break;
    case LetterVerdict::Word:
        setTextColor(field, gVerdictColours.word);
        break;
    case LetterVerdict::NotWord:
        setTextColor(field, gVerdictColours.nonWord);
        break;
    }
    field->setProperty(kVerdictProperty, static_cast<int>(verdict));
    QFont font = field->font();
    font.setStrikeOut(verdict == LetterVerdict::NotWord);
    field->setFont(font);
    field->update();
}

LetterVerdict shownVerdict(const QLineEdit* field)
{
    const int shown = field->property(kVerdictProperty).toInt();
    return shown == static_cast<int>(LetterVerdict::Word) || shown == static_cast<int>(LetterVerdict::NotWord)
        ? static_cast<LetterVerdict>(shown)
        : LetterVerdict::Unchecked;
}

void paintVerdictMark(QPainter& painter, const QLineEdit* field)
{
    if (shownVerdict(field) != LetterVerdict::Word || field->text().isEmpty())
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

void describeVerdict(QLineEdit* field, LetterVerdict verdict)
{
    switch (verdict) {
    case LetterVerdict::Unchecked:
        field->setAccessibleDescription(QString());
        break;
    case LetterVerdict::Word:
        field->setAccessibleDescription(QStringLiteral("Checked: part of a word"));
        break;
    case LetterVerdict::NotWord:
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
