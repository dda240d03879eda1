// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFrame>

// The panel behind the board's cells: a 1-pixel border with 8-pixel rounded corners. Painted
// here, pixel for pixel as the style sheet "background-color: FILL; border: 1px solid BORDER;
// border-radius: 8px" paints it, since a style sheet on any widget costs the launch the whole
// style-sheet machinery.
class BoardPanel : public QFrame {
    Q_OBJECT

public:
    explicit BoardPanel(QWidget* parent = nullptr);

    void setColours(const QColor& fill, const QColor& border);
    QColor fill() const { return m_fill; }
    QColor border() const { return m_border; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    QColor m_border;
};
