// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/puzzle_check.h"

#include <QObject>

#include <cstdint>
#include <memory>

class QLabel;
class QLineEdit;
class QMainWindow;
class QPlainTextEdit;
class QString;
class BoardKeeper;
class RoundBook;

// A main window built from the form, at its fixed size, with none of its controls bound.
std::unique_ptr<QMainWindow> loadMainWindow();

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
    // Game > Statistics: the history of the current player's rounds.
    void showStatistics();
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

protected:
    // Clears the round's outcome at the player's next key or click.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class HelpPage { HowToPlay, About, KeyboardShortcuts };

    void takeOutlets();
    void connectActions();
    void showStatsText(const QString& text);
    void showHelp(HelpPage page);

    std::unique_ptr<QMainWindow> _window;
    std::unique_ptr<BoardKeeper> m_keeper;
    // Loaded at the first submission or the first look at the statistics, never at launch;
    // null, having said why on the console, when it cannot be.
    RoundBook* roundBook();
    void recordRoundInHistory();
    std::unique_ptr<RoundBook> m_roundBook;
    BoardCheck m_lastCheck; // what the latest Check All Words read and judged
    QString m_lastReview;   // the last submitted round's review; empty before the first
    bool m_hasReportedUnsavedPreferences = false; // said once a run, like every other file's failure
};
