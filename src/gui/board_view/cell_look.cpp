// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/cell_look.h"

#include "gui/board_view/my_text_field.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPalette>
#include <QStringList>

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

void describeVerdict(QLineEdit* field, const QString& where, Verdict verdict, const QString& points)
{
    QStringList sentences;
    if (!where.isEmpty())
        sentences << where;
    if (verdict != Verdict::Unchecked)
        sentences << (verdict == Verdict::Word ? QCoreApplication::translate("Board", "Checked: part of a word")
                                                : QCoreApplication::translate("Board", "Checked: not part of a word"));
    if (!points.isEmpty())
        //: A cell's points as a screen reader hears them; %1 is one or two "8 for 1 across".
        sentences << QCoreApplication::translate("Board", "Points: %1").arg(points);
    const QString description = sentences.isEmpty() ? QString() : sentences.join(QStringLiteral(". ")) + u'.';
    if (field->accessibleDescription() != description)
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
