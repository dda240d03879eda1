// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/round_record.h"
#include "core/round/game_model.h"
#include "core/round/hint.h"
#include "core/round/round_archive.h"

#include <QDateTime>
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

class BoardKeeper;

// Without a board (the word list could not make one) an action that needs one only says so:
// no round is scored, recorded or shared that was never dealt. `action` is the menu action's
// name, marked where it is written as QT_TRANSLATE_NOOP("Game", "Submit").
bool hasBoardFor(const char* action);

// The round as the game plays it: the daily rule and a submission's steps, and what the last
// submitted round left to share and review. The window wires the player's actions to it and
// shows what it returns; the window's own steps come in as callbacks, each called at its
// place in a submission.
class Game {
    Q_DECLARE_TR_FUNCTIONS(Game)

public:
    // What the window does at its place in a submission.
    struct Steps {
        std::function<void()> showCheck; // the check's score shown; it is told with the round
        std::function<void()> showStats; // the record shown and saved
        std::function<void()> dealNew;
    };

    // A round scored: both scores and the outcome as the window says it.
    struct Submission {
        int yours = 0;
        int computers = 0;
        QString outcome;
        QString computersWords; // the computer's five words as a listener hears them
    };

    void setSteps(Steps steps) { m_steps = std::move(steps); }
    // Today's date (UTC) for the daily board, and the time a round is recorded as played.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // The history, reached at its first use; null, having said why, when it cannot be.
    void setArchive(std::function<RoundArchive*()> archive) { m_archive = std::move(archive); }
    // Without one every submission is the board's first.
    void setKeeper(BoardKeeper* keeper) { m_keeper = keeper; }


    // The board asked for on the command line: today's daily board, or the one `code` names
    // (none for an empty code). One that cannot be dealt is said on the console.
    std::optional<DealOrigin> launchBoard(bool daily, const QString& code) const;
    // The board `code` names; none, said on the console, for a code this word list cannot deal.
    std::optional<DealOrigin> boardOfCode(const QString& code) const;
    // Today's daily board; none before Daily #1, said on the console.
    std::optional<DealOrigin> todaysDailyBoard() const;
    // Says whether the player's next submission of the daily board `number` is today's result.
    void sayDailyStanding(int number);

    // What Submit asks before it scores a board with empty cells: how many of the five words
    // are unfinished, and the daily board's number when this is its one scored submission,
    // which asks even a player who chose not to be asked (`asksWhenUnfinished` false). None for
    // a full board, or where Submit would score nothing anyway, having no board or dictionary.
    struct Question {
        int unfinished = 0;
        int dailyNumber = 0;
    };
    std::optional<Question> questionBeforeSubmit(bool asksWhenUnfinished) const;
    // The window's line on the daily board at the clock's time, a fact a line: today's number,
    // whether the player's result for it is in, the days in a row and the time to the next
    // daily board. Until the history has answered for this player and day, the number and the
    // time alone.
    QString dailyLine() const;
    // How long the daily line reads as it does: to the clock's next whole minute.
    int msUntilDailyLineChanges() const;
    // Whether the history was last asked about another player or another day.
    bool needsDailyStanding() const { return m_dailyAsked != dailyKey(); }
    // Asks `archive` where the player stands today; `answered` runs once the answer is kept,
    // which may be before this returns. A null archive (no history is kept yet) has nothing played.
    void askDailyStanding(RoundArchive* archive, std::function<void()> answered);

    // Submits the board on show: the keeper's word that no game scored it before, the check,
    // the best the board allowed, the record, the history, the result to share, the computer's
    // words and a new deal, in that order. None when it is not scored, said on the console.
    std::optional<Submission> submitBoard();

    // Game > Hint for the word holding the cursor at `focus` (see hintFor), said on the console:
    // a letter given is counted for the round, and the window fills it in. Nothing without a board.
    Hint hint(std::optional<BoardCell> focus);

    // What Copy Board Code and Copy Result put on the clipboard (nothing when `clip` is empty)
    // and the console's words for it; `heard` is what a listener is told (empty: `said`).
    struct Copied {
        QString clip;
        QString said;
        QString heard;
    };
    Copied boardCodeToCopy() const;
    Copied resultToCopy() const;

    const QString& lastResult() const { return m_lastResult; }
    const QString& lastReview() const { return m_lastReview; }
    const std::optional<RoundRecord>& lastSubmitted() const { return m_lastSubmitted; }

private:
    // A player on a day, as the daily line's standing is about.
    struct DailyKey {
        QString player;
        int day = 0;
        bool operator==(const DailyKey&) const = default;
    };
    DailyKey dailyKey() const;
    RoundArchive* archive() const { return m_archive ? m_archive() : nullptr; }
    // The daily board's number when submitting the board on show would be the day's result; else 0.
    int dailyResultNumber() const;
    std::optional<RoundRecord> recordInHistory(std::optional<int> bestPossible);
    void keepResultToShare(const RoundRecord& round);

    Steps m_steps;
    std::function<QDateTime()> m_clock = &QDateTime::currentDateTimeUtc;
    std::function<RoundArchive*()> m_archive;
    BoardKeeper* m_keeper = nullptr;
    QString m_lastResult;                   // what Copy Result shares
    QString m_lastReview;                   // empty before the first submission
    std::optional<RoundRecord> m_lastSubmitted; // to review it drawn
    DailyKey m_dailyAsked;                      // the latest ask, the one whose answer is kept
    std::optional<DailyStanding> m_dailyStanding; // the answer for m_dailyAsked
};
