// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/game/game.h"
#include "core/history/round_record.h"
#include "core/round/game_model.h"
#include "gui/app/main_window.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QMainWindow;
class QPlainTextEdit;
class QTimer;
class QString;
class BoardKeeper;
class RoundBook;
class WordView;

// The controller: it loads the main window from its form, holds the window's outlets,
// runs the launch and termination steps and receives the player's five actions.
class AppDelegate : public QObject {
    Q_OBJECT

public:
    explicit AppDelegate(QObject* parent = nullptr);
    ~AppDelegate() override;

    QMainWindow* window() const;

    // Replaces the window, deleting the old one: the outlets and actions are taken from the
    // new window (an outlet it lacks becomes null), and after launch the console, the
    // window handle and the board's cells move to it.
    void setWindow(std::unique_ptr<QMainWindow> window);

    void applicationDidFinishLaunching(QObject* notification);
    void applicationWillTerminate(QObject* notification);

    // Draws five crossing words, shows the computer's score for them and lays them out as
    // a new board with the focus in its first cell. Always returns 1.
    int32_t createBoard();

    // Where the game reads today's date (UTC) for the daily board and the time a round is recorded as
    // played; the system clock unless a test sets one.
    void setClock(std::function<QDateTime()> clock) { m_game.setClock(std::move(clock)); }

    // A player the game has not shown the How to play card is shown it at launch or on
    // becoming the player, once. Tests that play on the board turn it off.
    void setTeachesNewPlayers(bool teaches) { m_teachesNewPlayers = teaches; }

    // What the game starts on instead of the launch's board: a board code (already read
    // sound, though its word list is checked at launch) or today's daily board.
    void startOnBoardCode(const QString& code) { m_launchCode = code; }
    void startOnDailyBoard() { m_launchDaily = true; }

    // Game > Play Board Code: deals the board `code` names, the board on show becoming the
    // kept one as with New Puzzle. A code that cannot be dealt gets one sentence on the
    // console and changes nothing; returns whether the board was dealt.
    bool playBoardCode(const QString& code);
    // Game > Daily Board: today's (UTC) board, the same on every machine with this word list;
    // before Daily #1, and without a board to replace, it deals nothing and says why.
    void playDailyBoard();
    // Game > Copy Board Code: the board on show's code on the clipboard.
    void copyBoardCode();
    // Game > Copy Result: the last submitted round, without its letters, on the clipboard.
    void copyResult();
    // Game > Hint: one letter for the word the cursor is in (see Game::hint), filled in as if typed.
    void giveHint();
    // What Copy Result would copy; empty before the first submission.
    const QString& lastResult() const { return m_game.lastResult(); }

    // Shows the current player's statistics in the statistics panel and saves them.
    void updateStatsDisplay();

    // Lists the computer's words of the board on the console.
    void displayComputerWords();

    // The player's actions. None reads its sender; code that runs one passes none.
    void CheckWord(QObject* sender);
    void CheckAllWords(QObject* sender);
    void GenerateNewPuzzle(QObject* sender);
    void ChangeUser(QObject* sender);
    void SubmitScore(QObject* sender);

    // Game > Resume Previous Board: swaps the board shown with the kept one.
    void resumePreviousBoard();
    // Game > Preferences: opens the dialog; its choices take effect and are saved on OK.
    void showPreferences();
    // View > Zoom In, Zoom Out (`direction` 1, -1) and Actual Size (0): the window a step
    // larger or smaller, or at 100 %, from now on and at the next launch.
    void zoom(int direction);
    // Game > Statistics: the history of the current player's rounds.
    void showStatistics();
    // Game > Words: the board as a list of its words, each typed whole; made at its first use.
    void showWords();
    // Game > Round Review: the last submitted round, slot by slot, beside what it allowed.
    void showRoundReview();
    // Null before launch.
    BoardKeeper* boardKeeper() const { return m_keeper.get(); }

    // Outlets: controls of the window, which owns them.
    QPlainTextEdit* resultView = nullptr; // the log console
    QLineEdit* theWord = nullptr;         // a word typed for a dictionary check
    QLabel* theScore = nullptr;           // the player's score for this puzzle
    QLabel* compScore = nullptr;          // the computer's score for this puzzle
    QLabel* statsField = nullptr;         // the player's statistics, nine lines
    QLineEdit* newUserName = nullptr;     // the name typed to change player
    QLabel* roundOutcome = nullptr;       // the last round's outcome, until the player goes on
    QLabel* dailyLine = nullptr;          // today's daily board, the player's standing on it, the time to the next

protected:
    // Clears the round's outcome at the player's next key or click; a desktop that turns dark
    // (or light) while the game runs repaints the board to match.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCheckedScore(QObject* sender);
    void takeOutlets();
    void connectActions();
    // The dealing behind createBoard, from a known seed.
    void dealBoard(const DealOrigin& origin);
    // New Puzzle's steps with the board `origin` names.
    void replaceBoard(const DealOrigin& origin);
    void showBoardOrigin();
    void showZoomLimits();
    void teachNewPlayer();
    // Submit's steps, once any question before them is answered.
    void submitBoard();
    // Shows the daily line and sets the timer to its next change; a new player or day is asked
    // of the history, once it may be read.
    void showDailyLine();
    // Asks the history, loading it only where one is kept, where the player stands today.
    void askDailyStanding();

    std::unique_ptr<QMainWindow> _window;
    QPointer<WordView> m_words; // the window's, and gone with it
    std::unique_ptr<BoardKeeper> m_keeper;
    // Loaded at the first submission or the first look at the statistics, never at launch;
    // null, having said why on the console, when it cannot be.
    RoundBook* roundBook();
    std::unique_ptr<RoundBook> m_roundBook;
    Game m_game;
    QString m_launchCode;
    bool m_launchDaily = false;
    bool m_teachesNewPlayers = true;
    QTimer* m_dailyLineTimer = nullptr; // single-shot, to the daily line's next change
    // When the daily line may be shown and read the history: not before the window is first
    // painted, so that the launch shows the board no later, nor again once it cannot be loaded.
    enum class DailyHistory { AfterPaint, Readable, Unreachable };
    DailyHistory m_dailyHistory = DailyHistory::AfterPaint;
    bool m_hasReportedUnsavedPreferences = false; // said once a run, like every other file's failure
};
