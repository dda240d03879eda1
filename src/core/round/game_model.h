// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board/board_state.h"

#include <cstdint>
#include <functional>
#include <optional>

// Where a dealt board came from: the seed it was dealt from, which its board code names, and
// its number when it is the daily board (0 otherwise).
struct DealOrigin {
    uint64_t seed {};
    int dailyNumber {};
};

// The board on show and what the round has said of it: the letters typed, each letter's
// verdict from the last check, and both scores. The widgets show it and report what the
// player does; keeping, recolouring, checking and submitting read it, never a widget.
class GameModel {
public:
    const std::optional<BoardState>& board() const { return m_board; }

    // A dealt board: nothing typed, nothing judged, the computer's score its words' value.
    void deal(const std::array<QString, kWordCount>& words, const ChainCrossings& chain);
    // A kept board shown again with its letters and verdicts. The computer's score is
    // recomputed from the words, never taken from the board handed in.
    void show(BoardState board);
    void clear();

    // Set after a deal; none for a board shown again from the kept one, whose seed is not kept.
    const std::optional<DealOrigin>& origin() const { return m_origin; }
    void setOrigin(const DealOrigin& origin) { m_origin = origin; }

    // The player typed into (or emptied) a blank cell: the old letter's verdict goes with it.
    // Ignored off the board's blank cells.
    void setLetter(BoardCell cell, const QString& letter);
    // What a cell shows: a typed letter, a crossing's fixed letter in capitals, or nothing.
    QString letterAt(BoardCell cell) const;
    Verdict verdictAt(BoardCell cell) const;
    bool isFixed(BoardCell cell) const;
    // The words with at least one empty cell; none without a board.
    int unfinishedWords() const;

    // A check judged the slots (in chain order): each typed letter takes its slot's verdict,
    // each slot its points (0 for a non-word), and the round total becomes the player's score.
    void applyCheck(const std::array<bool, kWordCount>& isWord, const std::array<int, kWordCount>& points, int playerScore);
    // What the last check gave a word (in chain order): none until a check, and none again
    // once the board is replaced or a letter in that word changes.
    std::optional<int> pointsOf(int word) const;
    // The last check's verdict on a word (in chain order), until a letter in it changes or the
    // board is replaced. On a board shown again, the verdict its typed letters agree on; a word
    // left empty then has none.
    Verdict wordVerdict(int word) const;
    // The verdict of the word a blank cell belongs to; Unchecked off the board's blank cells.
    Verdict wordVerdictAt(BoardCell cell) const;
    // Told whenever a check's verdicts and points appear, or any word's points go, so that
    // whatever shows them follows.
    void setPointsListener(std::function<void()> listener) { m_pointsListener = std::move(listener); }
    // Told whenever what a slot reads may have changed: a letter typed or taken, a check, a
    // board dealt, shown again or taken away; for a list of the slots that follows the board.
    void setSlotsListener(std::function<void()> listener) { m_slotsListener = std::move(listener); }

    // The letters the game has filled in for the player on this board: none on a new deal, the
    // kept count on a board shown again. A hinted letter scores like any other.
    int hints() const { return m_board ? m_board->hints : 0; }
    void countHint();

    int computerScore() const { return m_board ? m_board->computerScore : 0; }
    int playerScore() const { return m_board ? m_board->playerScore : 0; }
    void setPlayerScore(int score);

private:
    TypedCell* typedAt(BoardCell cell);
    const TypedCell* typedAt(BoardCell cell) const;
    void forgetPoints();
    void recallWordVerdicts();
    void tellSlots() const;

    std::array<std::optional<int>, kWordCount> m_points;
    std::array<Verdict, kWordCount> m_wordVerdicts {};
    std::function<void()> m_pointsListener;
    std::function<void()> m_slotsListener;

    std::optional<BoardState> m_board;
    std::optional<DealOrigin> m_origin;
};

// The game's one model, for the widgets that show it.
GameModel& gameModel();
