// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/text_field_values.h"

#include <QLabel>

#include <algorithm>
#include <limits>

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
    field->setAccessibleName(caption ? caption->text() + QStringLiteral(": ") + text : text);
}

int32_t intValue(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    constexpr int64_t limit = int64_t { std::numeric_limits<int32_t>::max() } + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        magnitude = std::min(magnitude * 10 + (text[i].unicode() - u'0'), limit);
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}
