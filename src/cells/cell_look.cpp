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

void setTextColor(QLineEdit* field, const QColor& colour)
{
    setColour(field, QPalette::Text, colour);
}

void setWordCheck(QLineEdit* field, WordCheck check)
{
    switch (check) {
    case WordCheck::NotChecked:
        field->setAccessibleDescription(QString());
        break;
    case WordCheck::Word:
        field->setAccessibleDescription(QStringLiteral("Checked: part of a word"));
        break;
    case WordCheck::NotWord:
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

QColor backgroundColor(const QLineEdit* field)
{
    return field->palette().color(QPalette::Base);
}
