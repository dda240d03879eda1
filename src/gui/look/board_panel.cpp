// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/board_panel.h"

#include "gui/look/board_palette.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kRadius = 8;
constexpr qreal kBorder = 1;
constexpr qreal kDiameter = 2 * kRadius - kBorder; // of an arc through the border's middle

// The fill, antialiased, inside a path through the middle of the border; each arcTo draws the
// straight side from where the corner before ended.
void fillInside(QPainter& painter, const QRectF& r, const QColor& fill)
{
    const qreal top = r.top() + kBorder / 2, bottom = r.bottom() - kBorder / 2;
    const qreal left = r.left() + kBorder / 2, right = r.right() - kBorder / 2;
    QPainterPath path;
    path.moveTo(r.left() + kRadius, top);
    path.arcTo(right - kDiameter, top, kDiameter, kDiameter, 90, -90);
    path.arcTo(right - kDiameter, bottom - kDiameter, kDiameter, kDiameter, 0, -90);
    path.arcTo(left, bottom - kDiameter, kDiameter, kDiameter, 270, -90);
    path.arcTo(left, top, kDiameter, kDiameter, 180, -90);
    painter.fillPath(path, fill);
}

// Each side's straight part as a rectangle, then its two corner halves as arcs, bottom, right,
// left and top in turn, as the style sheet layers them.
void drawBorder(QPainter& painter, const QRectF& r, const QColor& border)
{
    const qreal x0 = r.left(), y0 = r.top(), x1 = r.right(), y1 = r.bottom();
    const qreal half = kBorder / 2;
    const QPen pen(border, kBorder); // square caps, as the style sheet's own pen
    const auto side = [&](const QRectF& straight, const QRectF& arc1, int start1, int span1, const QRectF& arc2, int start2,
                          int span2) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(border);
        painter.drawRect(straight);
        painter.setPen(pen);
        painter.drawArc(arc1, start1 * 16, span1 * 16);
        painter.drawArc(arc2, start2 * 16, span2 * 16);
    };
    side(QRectF(QPointF(x0 + kRadius, y1 - kBorder), QPointF(x1 - kRadius, y1)),
         QRectF(x0 + half, y1 - 2 * kRadius + half, kDiameter, kDiameter), -90, -45,
         QRectF(x1 - 2 * kRadius + half, y1 - 2 * kRadius + half, kDiameter, kDiameter), -90, 45);
    side(QRectF(QPointF(x1 - kBorder, y0 + kRadius), QPointF(x1, y1 - kRadius)),
         QRectF(x1 - 2 * kRadius + half, y0 + half, kDiameter, kDiameter), 45, -45,
         QRectF(x1 - 2 * kRadius + half, y1 - 2 * kRadius + half, kDiameter, kDiameter), 315, 45);
    side(QRectF(QPointF(x0, y0 + kRadius), QPointF(x0 + kBorder, y1 - kRadius)),
         QRectF(x0 + half, y0 + half, kDiameter, kDiameter), 135, 45,
         QRectF(x0 + half, y1 - 2 * kRadius + half, kDiameter, kDiameter), 180, 45);
    side(QRectF(QPointF(x0 + kRadius, y0), QPointF(x1 - kRadius, y0 + kBorder)),
         QRectF(x0 + half, y0 + half, kDiameter, kDiameter), 135, -45,
         QRectF(x1 - 2 * kRadius + half, y0 + half, kDiameter, kDiameter), 45, 45);
}

} // namespace

BoardPanel::BoardPanel(QWidget* parent)
    : QFrame(parent)
    , m_fill(BoardPalette().panel)
    , m_border(BoardPalette().panelBorder)
{
}

void BoardPanel::setColours(const QColor& fill, const QColor& border)
{
    if (fill == m_fill && border == m_border)
        return;
    m_fill = fill;
    m_border = border;
    update();
}

void BoardPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(rect());
    fillInside(painter, area, m_fill);
    drawBorder(painter, area, m_border);
}
