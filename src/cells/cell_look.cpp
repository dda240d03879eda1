#include "cells/cell_look.h"

#include <QLineEdit>
#include <QPalette>

namespace {

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
    QFont font = field->font();
    font.setUnderline(verdict == LetterVerdict::Word);
    font.setStrikeOut(verdict == LetterVerdict::NotWord);
    field->setFont(font);
}

LetterVerdict shownVerdict(const QLineEdit* field)
{
    if (field->font().underline())
        return LetterVerdict::Word;
    if (field->font().strikeOut())
        return LetterVerdict::NotWord;
    return LetterVerdict::Unchecked;
}

void setTextColor(QLineEdit* field, const QColor& colour)
{
    setColour(field, QPalette::Text, colour);
}

void setBackgroundColor(QLineEdit* field, const QColor& colour)
{
    setColour(field, QPalette::Base, colour);
}

QColor textColor(const QLineEdit* field)
{
    return field->palette().color(QPalette::Text);
}

QColor backgroundColor(const QLineEdit* field)
{
    return field->palette().color(QPalette::Base);
}
