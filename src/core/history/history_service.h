// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/history_database.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>
#include <type_traits>

// A round given to the history, with the key that makes it land once however often it is given.
struct PendingRound {
    QString key;
    RoundRecord round;
};

// The pending file's text: one round a line, each a JSON object; a line that does not read as a
// round is passed over.
QByteArray pendingRoundsText(const QList<PendingRound>& rounds);
QList<PendingRound> pendingRoundsFrom(const QByteArray& text);

// The history as the window's thread reaches it. Every read and write runs on a thread of the
// history's own, with its own connection, so that another program holding the file never
// freezes the window. A round that cannot be written yet is kept, in memory and in a file
// beside the history shared by every game on it, and written once the history can take it,
// in the order played and never twice. A round still kept when the game quits is written by
// the next game to open the history.
class HistoryService : public QObject {
    Q_OBJECT
public:
    explicit HistoryService(QString filePath = HistoryDatabase::standardFilePath(), QObject* parent = nullptr);
    // Makes the writes asked for first, without waiting for another program: what cannot be
    // written then stays in the pending file.
    ~HistoryService() override;

    QString filePath() const { return m_filePath; }

    // Returns at once; the round is written on the history's thread, or kept until it can be.
    void recordRound(const RoundRecord& round);
    // The rounds given but not known to be written yet: this game's, and those kept by others.
    QList<PendingRound> pendingRounds() const { return m_reported + m_queued; }

    // Whether `player` has a result for the daily board numbered `number`: a round not yet
    // written counts; the file is asked with a short wait only (no answer: no result).
    bool hasDailyResult(const QString& player, int number) const;
    // Where `player` stands on the daily board numbered `today`, rounds not yet written
    // included; `done` gets it on this thread, unless the history cannot be read or `context`
    // is gone by then.
    void askDailyStanding(QObject* context, const QString& player, int today, std::function<void(const DailyStanding&)> done);

    // Runs `work` on the history's thread; `done` then gets its answer on this thread, with why
    // the history could not be read (empty when it could), unless `context` is gone by then.
    template <class Work, class Done>
    void ask(QObject* context, Work work, Done done)
    {
        auto answer = std::make_shared<std::invoke_result_t<Work, HistoryDatabase&>>();
        read(context, [answer, work = std::move(work)](HistoryDatabase& history) { *answer = work(history); },
             [answer, done = std::move(done)](const QString& problem) { done(*answer, problem); });
    }

    // As ask(), but on a thread of its own with a reading connection of its own, so that a long
    // read (every round, for an export) keeps the history's thread free for the rounds being
    // played. The game waits for it at quit.
    template <class Work, class Done>
    void askAside(QObject* context, Work work, Done done)
    {
        auto answer = std::make_shared<std::invoke_result_t<Work, HistoryDatabase&>>();
        readAside(context, [answer, work = std::move(work)](HistoryDatabase& history) { *answer = work(history); },
                  [answer, done = std::move(done)](const QString& problem) { done(*answer, problem); });
    }

    // For rounds kept without their best possible score; called on the history's thread.
    void setBestPossibleScorer(HistoryDatabase::BestPossibleScorer scorer);

    // How long the history's thread waits for another program before it tries again later.
    static constexpr int kBusyWaitMs = 250;
    // A glance at the file from the window's thread: long enough for another game's commit,
    // short enough that nobody sees it.
    static constexpr int kGlanceMs = 50;
    static constexpr int kRetryMs = 1000;
    // How long a round the history could not take waits before it is tried again; a test that
    // holds the file shortens it rather than wait on the clock.
    void setRetryDelay(int milliseconds) { m_retryMs = milliseconds; }

signals:
    // A line for the console.
    void said(const QString& message);
    // Rounds were written: whatever shows the history can show them now.
    void roundsWritten();

private:
    class Worker;

    void read(QObject* context, std::function<void(HistoryDatabase&)> work, std::function<void(const QString&)> done);
    void readAside(QObject* context, std::function<void(HistoryDatabase&)> work, std::function<void(const QString&)> done);
    void post(std::function<void(Worker&)> task);
    void report(qsizetype handled, const QList<PendingRound>& pending, bool hasWritten);

    QString m_filePath;
    std::atomic<int> m_retryMs {kRetryMs};
    QThread m_thread;
    QObject m_threadContext; // lives on m_thread: what its tasks are posted to
    std::unique_ptr<Worker> m_worker; // used on m_thread only
    QList<QThread*> m_asides; // reads under way beside m_thread, owned here
    std::atomic_bool m_isClosing = false;
    qsizetype m_given = 0; // rounds given so far
    QList<PendingRound> m_queued; // given, not yet taken up by the worker
    QList<PendingRound> m_reported; // the worker's last word on what is not written
};
