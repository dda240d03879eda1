// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/look/board_palette.h"
#include "core/history/round_figures.h"
#include "gui/statistics_window/round_book.h"

#include <QDialog>

class HistoryService;
class QBarCategoryAxis;
class QBarSeries;
class QCheckBox;
class QChart;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QValueAxis;
class RoundBoardView;
struct PlayerStatistics;

// A player's history in charts and figures, read through the history's own thread: the window
// shows what it has and fills in as the answers come. The history must outlive the window.
// Choosing another player shows that player's history.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(HistoryService& history, const QString& player, QWidget* parent = nullptr);

    // Opens a window for `player` that deletes itself when closed.
    static StatisticsWindow* showFor(HistoryService& history, const QString& player, QWidget* parent = nullptr);

    QString player() const;
    void showPlayer(const QString& player);
    // Whether an answer asked of the history (an export too) has yet to come.
    bool isReading() const { return m_reading > 0; }
    // Shows the history as it is now: after a round was added while the window is open.
    void refresh();
    // The word colours of the redrawn round, with their dark variants on a dark desktop.
    void setWordColours(WordColours colours);
    // What Review asks for the best words of the shown player's chosen round.
    void setReviewer(RoundReviewer reviewer) { m_reviewer = std::move(reviewer); }

    // Where Export CSV offers to write: the Documents folder, or home where there is none.
    static QString exportFilePath(const QString& player);

private:
    template <class Work, class Done>
    void ask(Work work, Done done);
    void reload();
    void showFigures(const PlayerStatistics& figures, const QString& problem);
    void reviewChosenRound();
    static QString dailyText(const QList<DailyResult>& results);
    int shownRounds() const;
    void showRounds();
    void showRounds(const QList<ScorePoint>& points, const QString& problem);
    void fitRoundAxis();
    void chooseExportFile();
    void exportTo(const QString& filePath);

    HistoryService& m_history;
    int m_reading = 0;
    QComboBox* m_players;
    QCheckBox* m_allRounds;
    QChart* m_scoreChart;
    QLineSeries* m_yourScores;
    QLineSeries* m_computerScores;
    QValueAxis* m_roundAxis;
    QValueAxis* m_scoreAxis;
    QChart* m_distributionChart;
    QLabel* m_record;
    QLabel* m_bestWordsLabel;
    QLabel* m_exported;
    QPushButton* m_export;
    QWidget* m_scoreView;
    QWidget* m_distributionView;
    QTableWidget* m_bestWords;
    RoundBoardView* m_lastRound;
    QPushButton* m_review;
    QSpinBox* m_reviewedRound; // by its number in the player's history, as on the score chart
    std::optional<RoundRecord> m_shownRound;
    int m_firstShown = 1; // the round numbers on the score chart
    int m_lastShown = 1;
    RoundReviewer m_reviewer;
};
