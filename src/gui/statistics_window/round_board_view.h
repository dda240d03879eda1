// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/round_record.h"
#include "gui/look/board_palette.h"

#include <QWidget>

#include <array>
#include <optional>

// One recorded round drawn twice, side by side: the letters the player left, in the word
// colours of the game and with its marks (underlined in a slot that made a word, struck
// through in one that did not), and the computer's words. Crossing cells show their fixed
// letter on both, as the game did. Given the best words, it draws them as a third board. It keeps one size whatever the round, so that the
// window does not change width from one player to another.
class RoundBoardView : public QWidget {
    Q_OBJECT
public:
    explicit RoundBoardView(QWidget* parent = nullptr);

    // Without a round, `absence` is drawn and described instead (by default: none is kept yet).
    void setRound(const std::optional<RoundRecord>& round, const QString& absence = {});
    void setColours(const BoardPalette& colours);
    // Each slot's best word in chain order (empty where none fitted); none draws two boards.
    void setBestWords(const std::optional<std::array<QString, kRoundSlots>>& words);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();

    QString absenceText() const;

    std::optional<RoundRecord> m_round;
    QString m_absence;
    std::optional<std::array<QString, kRoundSlots>> m_bestWords;
    BoardPalette m_colours;
};
