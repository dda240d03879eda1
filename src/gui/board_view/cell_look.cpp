// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/cell_look.h"

#include "gui/board_view/my_text_field.h"

#include <QLineEdit>
#include <QPalette>

#include <initializer_list>
#include <utility>

namespace {

void setColours(QLineEdit* field, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours)
{
    QPalette palette = field->palette();
    for (const auto& [role, colour] : colours)
        palette.setColor(QPalette::All, role, colour);
    field->setPalette(palette);
}

} // namespace

BoardPalette gBoardPalette;

void showVerdict(QLineEdit* field, Verdict verdict, const QColor& background)
{
    const QColor& text = verdict == Verdict::Word ? gBoardPalette.word
        : verdict == Verdict::NotWord             ? gBoardPalette.nonWord
                                                  : gBoardPalette.inputText;
    setCellColours(field, background, text);
    if (auto* cell = qobject_cast<myTextField*>(field))
        cell->setShownVerdict(verdict);
    if (field->font().strikeOut() != (verdict == Verdict::NotWord)) {
        QFont font = field->font();
        font.setStrikeOut(verdict == Verdict::NotWord);
        field->setFont(font);
    }
    field->update();
}

void setTextColor(QLineEdit* field, const QColor& colour)
{
    setColours(field, {{QPalette::Text, colour}});
}

void describeVerdict(QLineEdit* field, Verdict verdict, std::optional<int> points)
{
    QString description;
    switch (verdict) {
    case Verdict::Unchecked:
        break;
    case Verdict::Word:
        description = QStringLiteral("Checked: part of a word");
        break;
    case Verdict::NotWord:
        description = QStringLiteral("Checked: not part of a word");
        break;
    }
    // Told after the verdict, as a sentence of its own; a fixed cell has no verdict to follow.
    if (points)
        description += (description.isEmpty() ? QStringLiteral("Points: %1.") : QStringLiteral(". Points: %1.")).arg(*points);
    field->setAccessibleDescription(description);
}

void setBackgroundColor(QLineEdit* field, const QColor& colour)
{
    setColours(field, {{QPalette::Base, colour}});
}

void setCellColours(QLineEdit* field, const QColor& background, const QColor& text)
{
    setColours(field, {{QPalette::Base, background}, {QPalette::Text, text}});
}

QColor textColor(const QLineEdit* field)
{
    return field->palette().color(QPalette::Text);
}
