// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/round_record.h"

#include <QWidget>

#include <optional>

// One recorded round drawn twice, side by side: the letters the player left (green in a
// slot that made a word, red in one that did not) and the computer's words. Crossing
// cells, which the game showed filled in, are shaded on both.
class RoundBoardView : public QWidget {
    Q_OBJECT
public:
    explicit RoundBoardView(QWidget* parent = nullptr);

    void setRound(const std::optional<RoundRecord>& round);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<RoundRecord> m_round;
};
