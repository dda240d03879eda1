// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/board_view/cell_look.h"

#include "gui/board_view/my_text_field.h"
#include "gui/board_view/grid.h"
#include "core/round/game_model.h"

#include <QLineEdit>
#include <QPainter>
#include <QPalette>

#include <initializer_list>
#include <utility>

namespace {

constexpr qreal kMarkThickness = 2;
constexpr qreal kMarkFromBottom = 2.5;
constexpr qreal kMarkInset = 8;
constexpr qreal kStrikeInset = 3;

void setColours(QLineEdit* field, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours)
{
    QPalette palette = field->palette();
    for (const auto& [role, colour] : colours)
        palette.setColor(QPalette::All, role, colour);
    field->setPalette(palette);
}

} // namespace

BoardPalette gBoardPalette;

void showVerdict(QLineEdit* field, Verdict verdict)
{
    switch (verdict) {
    case Verdict::Unchecked:
        setTextColor(field, gBoardPalette.inputText);
        break;
    case Verdict::Word:
        setTextColor(field, gBoardPalette.word);
        break;
    case Verdict::NotWord:
        setTextColor(field, gBoardPalette.nonWord);
        break;
    }
    if (auto* cell = qobject_cast<myTextField*>(field))
        cell->setShownVerdict(verdict);
    QFont font = field->font();
    font.setStrikeOut(verdict == Verdict::NotWord);
    field->setFont(font);
    field->update();
}

void showBoardVerdicts()
{
    for (int32_t x = 0; x < gGridSize; ++x) {
        for (int32_t y = 0; y < gGridSize; ++y) {
            const GridCell& cell = gGrid[x][y];
            if (cell.field && cell.editable)
                showVerdict(cell.field.get(), gameModel().verdictAt({x, y}));
        }
    }
}

void showBoardPalette()
{
    for (const auto& column : gGrid) {
        for (const GridCell& cell : column) {
            if (!cell.field)
                continue;
            setBackgroundColor(cell.field.get(), gBoardPalette.cell);
            if (!cell.editable)
                setTextColor(cell.field.get(), gBoardPalette.fixedText);
        }
    }
    showBoardVerdicts();
}

void paintVerdictMark(QPainter& painter, const QLineEdit* field, Verdict verdict)
{
    if (verdict == Verdict::Unchecked || field->text().isEmpty())
        return;
    const QRectF cell = field->rect();
    painter.setPen(QPen(textColor(field), kMarkThickness, Qt::SolidLine, Qt::FlatCap));
    if (verdict == Verdict::Word) {
        const qreal y = cell.bottom() - kMarkFromBottom;
        painter.drawLine(QPointF(cell.left() + kMarkInset, y), QPointF(cell.right() - kMarkInset, y));
        return;
    }
    // Wider than any capital, so that it shows past the sides of the glyph it crosses.
    const qreal y = cell.center().y();
    painter.drawLine(QPointF(cell.left() + kStrikeInset, y), QPointF(cell.right() - kStrikeInset, y));
}

void setTextColor(QLineEdit* field, const QColor& colour)
{
    setColours(field, {{QPalette::Text, colour}});
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
