// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/round_figures.h"
#include "core/history/round_record.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include <functional>
#include <limits>
#include <optional>

class QSqlDatabase;

// What a write or an open came to. `message` is for the console, printed once by the
// caller; it can be set on success too (a damaged file was moved aside and a new one begun).
struct HistoryStatus {
    bool isDone = false;
    QString message;
    bool isBusy = false; // another program holds the file: a later attempt may do
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
    int recentHints = 0; // hints taken in the last kHintRounds rounds
    static constexpr int kHintRounds = 10;
};

// The history of submitted rounds, one SQLite file shared by every running game. Opened on
// first use, never before. A failure turns the history off for the rest of the run with one
// message, except another game holding the file too long, which costs only that attempt; it
// never throws, and play goes on without it. One object serves one thread: the connection
// behind it is that thread's.
class HistoryDatabase {
    Q_DECLARE_TR_FUNCTIONS(HistoryDatabase)

public:
    static constexpr int kSchemaVersion = 1;

    // $XDG_DATA_HOME/sixfold/history.sqlite (normally ~/.local/share/sixfold).
    static QString standardFilePath();

    // A reader only looks: it never creates, upgrades, repairs nor moves the file, and a
    // failure costs only that attempt.
    enum class Access { ReadWrite, Read };

    // Waits up to `busyWaitMs` for another game holding the file.
    explicit HistoryDatabase(QString filePath = standardFilePath(), int busyWaitMs = 5000, Access access = Access::ReadWrite);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    QString filePath() const { return m_filePath; }

    // Opens the file, upgrades its schema, moves a damaged file aside. The message comes
    // once: later calls after a failure return isDone false and no message.
    HistoryStatus open();

    // Writes the round in one transaction; opens the file first when needed. A round with a
    // key is written once however often it is given: a second time changes nothing.
    HistoryStatus recordRound(const RoundRecord& round, const QString& key = {});

    // Why the reads since the last call did not all read every row, in words for the
    // statistics window ("the history is in use by another program"), or nothing; clears it.
    QString takeReadProblem();
    // When a read met a damaged page: moves the file aside, begins a new one with every round
    // that could still be read from it, and says so. The reads before should be asked again.
    HistoryStatus repairIfDamaged();

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
    // A statement's rows; a failure while stepping through them (a damaged page met only
    // part way) is noted, never passed off as the end of the rows.
    class Rows : public QSqlQuery {
    public:
        Rows(QSqlQuery query, HistoryDatabase& owner) : QSqlQuery(std::move(query)), m_owner(&owner) {}
        bool next();

    private:
        HistoryDatabase* m_owner;
    };

    void fillBestPossible(RoundRecord& round, const QVariant& id);
    std::optional<RoundRecord> roundWithId(const QVariant& id);
    int roundCount(const QString& player);
    QSqlError connect();
    void disconnect();
    QString moveAside();
    HistoryStatus startOver(const QString& aside);
    int recoverFrom(const QString& damagedPath);
    void noteFailure(const QSqlError& error);
    HistoryStatus failWith(const QSqlError& error);
    QSqlError migrate(QSqlDatabase& db);
    QSqlError insertRound(const RoundRecord& round, const QString& key);
    std::optional<Rows> run(const QString& sql, const QVariantList& values = {});

    enum class State { Closed, Open, Failed };
    QString m_filePath;
    QString m_connection;
    State m_state = State::Closed;
    int m_busyWaitMs;
    Access m_access;
    QSqlError m_failure; // why the file failed to open, last time
    QSqlError m_readError; // the first failed read since takeReadProblem()
    bool m_isNewer = false; // the file is from a newer game
    // A later column of rounds as a read names it: NULL where a file read, never upgraded, lacks it.
    QString laterColumn(const QString& column, const QString& table = {}) const
    {
        return m_absentColumns.contains(column) ? QStringLiteral("NULL") : table + column;
    }
    QStringList m_absentColumns;
    BestPossibleScorer m_scorer;
};
