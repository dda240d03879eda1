// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/text_field_values.h"

#include <QCoreApplication>
#include <QLabel>

namespace {

// The caption beside a value: the sibling label whose buddy it is.
const QLabel* captionOf(const QLabel* field)
{
    if (!field->parentWidget())
        return nullptr;
    for (const QLabel* label : field->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == field)
            return label;
    }
    return nullptr;
}

} // namespace

void setIntValue(QLabel* field, int32_t value)
{
    const QString text = QString::number(value);
    field->setText(text);
    // A screen reader hears a label's accessible name instead of its text, so the name
    // carries the number.
    const QLabel* caption = captionOf(field);
    //: A value as a screen reader hears it, after its caption: "Your score: 12".
    field->setAccessibleName(caption ? QCoreApplication::translate("ValueLabel", "%1: %2").arg(caption->text(), text) : text);
}
