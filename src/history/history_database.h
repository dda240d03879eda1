// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/round_figures.h"
#include "history/round_record.h"

#include <QList>
#include <QMap>
#include <QSqlError>
#include <QString>

#include <functional>
#include <limits>
#include <optional>

class QSqlDatabase;
class QSqlQuery;

// What a write or an open came to. `message` is for the console, printed once by the
// caller; it can be set on success too (a damaged file was moved aside and a new one begun).
struct HistoryStatus {
    bool isDone = false;
    QString message;
};

// Everything the statistics window shows for one player. Rounds are numbered, and read
// oldest first, in the order they were recorded, whatever the clock said when they were played.
struct PlayerStatistics {
    int roundCount = 0;
    QList<ScorePoint> scores; // the rounds asked for, as the score chart draws them
    QMap<int, int> scoreCounts; // round score -> rounds
    WinRecord wins;
    QList<BestWord> bestWords; // best first, each word once, at most ten
    std::optional<RoundRecord> lastRound;
    QList<DailyResult> dailyResults; // by number
};

// The history of submitted rounds, one SQLite file shared by every running game. Opened on
// first use, never before. A failure turns the history off for the rest of the run with one
// message, except another game holding the file too long, which costs only that attempt; it
// never throws, and play goes on without it.
class HistoryDatabase {
public:
    static constexpr int kSchemaVersion = 1;

    // $XDG_DATA_HOME/sixfold/history.sqlite (normally ~/.local/share/sixfold).
    static QString standardFilePath();

    // Waits up to `busyWaitMs` for another game holding the file.
    explicit HistoryDatabase(QString filePath = standardFilePath(), int busyWaitMs = 5000);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    QString filePath() const { return m_filePath; }

    // Opens the file, upgrades its schema, moves a damaged file aside. The message comes
    // once: later calls after a failure return isDone false and no message.
    HistoryStatus open();

    // Writes the round in one transaction; opens the file first when needed.
    HistoryStatus recordRound(const RoundRecord& round);

    // The queries read nothing and answer empty while the history is unavailable. None of them
    // holds more than a few thousand rows, whatever the length of the history, but allRounds.
    QStringList players();
    static constexpr int kAllRounds = std::numeric_limits<int>::max();
    // The player's last `count` rounds (kAllRounds: every one), oldest first.
    QList<RoundScores> roundScores(const QString& player, int count);
    // The player's last `count` rounds as the score chart draws them: at most
    // RoundFigures::kMostPoints points, each the mean of an equal run of rounds.
    QList<ScorePoint> scorePoints(const QString& player, int count);
    QList<BestWord> bestWords(const QString& player, int count = RoundFigures::kBestWordCount);
    std::optional<RoundRecord> lastRound(const QString& player);
    // The round numbered `number` (from 1) in the player's history, as kept.
    std::optional<RoundRecord> round(const QString& player, int number);
    // Hands the player's rounds to `visit` one at a time, oldest first, as kept (a missing best
    // possible score is not worked out here). False when the history cannot be read, so that an
    // export never passes off an unreadable history as an empty one, or when `visit` says stop.
    bool forEachRound(const QString& player, const std::function<bool(const RoundRecord&)>& visit);
    // Every round at once, for a short history; none when the history cannot be read.
    std::optional<QList<RoundRecord>> allRounds(const QString& player);
    // Whether the player has a result for the daily board numbered `number`.
    bool hasDailyResult(const QString& player, int number);
    QList<DailyResult> dailyResults(const QString& player); // by number
    PlayerStatistics statistics(const QString& player, int lastRounds);

    // Works out a round's best possible score (none when it cannot). A round read without
    // one, kept before the history recorded it, gets it from here once, and keeps it.
    using BestPossibleScorer = std::function<std::optional<int>(const RoundRecord&)>;
    void setBestPossibleScorer(BestPossibleScorer scorer) { m_scorer = std::move(scorer); }

private:
    void fillBestPossible(RoundRecord& round, const QVariant& id);
    std::optional<RoundRecord> roundWithId(const QVariant& id);
    int roundCount(const QString& player);
    QSqlError connect();
    void disconnect();
    QString moveAside();
    HistoryStatus fail(const QSqlError& error);
    QSqlError migrate(QSqlDatabase& db);
    QSqlError insert(const RoundRecord& round);
    std::optional<QSqlQuery> run(const QString& sql, const QVariantList& values = {});

    enum class State { Closed, Open, Failed };
    QString m_filePath;
    QString m_connection;
    State m_state = State::Closed;
    int m_busyWaitMs;
    BestPossibleScorer m_scorer;
};
