// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/history_service.h"

#include "core/history/history_files.h"
#include "core/platform/kept_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QTimer>
#include <QUuid>

#include <algorithm>

namespace {

// A kept round is a few hundred bytes; more than this is no file of the game's.
constexpr qint64 kLargestPendingFile = 64 * 1024 * 1024;

bool hasKey(const QList<PendingRound>& rounds, const QString& key)
{
    return std::any_of(rounds.begin(), rounds.end(), [&key](const PendingRound& kept) { return kept.key == key; });
}

} // namespace

QByteArray pendingRoundsText(const QList<PendingRound>& rounds)
{
    QByteArray text;
    for (const auto& [key, round] : rounds) {
        QJsonArray places;
        for (const SlotRecord& slot : round.wordSlots)
            places.append(QJsonArray {slot.x, slot.y, slot.direction == Direction::Down, slot.solution, slot.letters, slot.isWord, slot.score});
        const QJsonObject line {{"key", key}, {"player", round.player}, {"playedAt", round.playedAt.toMSecsSinceEpoch()},
                                {"computerScore", round.computerScore}, {"roundScore", round.roundScore},
                                {"wordsMade", round.wordsMade}, {"daily", round.dailyNumber},
                                {"bestPossible", round.bestPossible ? QJsonValue(*round.bestPossible) : QJsonValue()}, {"slots", places}, {"hints", round.hints}};
        text += QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
    }
    return text;
}

QList<PendingRound> pendingRoundsFrom(const QByteArray& text)
{
    QList<PendingRound> rounds;
    for (const QByteArray& line : text.split('\n')) {
        const QJsonObject kept = QJsonDocument::fromJson(line).object();
        const QJsonArray places = kept.value("slots").toArray();
        if (kept.value("key").toString().isEmpty() || places.size() != kRoundSlots)
            continue;
        RoundRecord round;
        round.player = kept.value("player").toString();
        round.playedAt = QDateTime::fromMSecsSinceEpoch(kept.value("playedAt").toInteger(), Qt::UTC);
        round.computerScore = kept.value("computerScore").toInt();
        round.roundScore = kept.value("roundScore").toInt();
        round.wordsMade = kept.value("wordsMade").toInt();
        round.dailyNumber = kept.value("daily").toInt();
        round.hints = kept.value("hints").toInt();
        if (kept.value("bestPossible").isDouble())
            round.bestPossible = kept.value("bestPossible").toInt();
        for (int i = 0; i < kRoundSlots; ++i) {
            const QJsonArray slot = places[i].toArray();
            round.wordSlots[i] = {slot[0].toInt(), slot[1].toInt(), slot[2].toBool() ? Direction::Down : Direction::Across,
                                  slot[3].toString(), slot[4].toString(), slot[5].toBool(), slot[6].toInt()};
        }
        rounds.append({kept.value("key").toString(), round});
    }
    return rounds;
}

// Everything on the history's thread.
class HistoryService::Worker {
public:
    Worker(HistoryService& service, const QString& filePath)
        : m_service(service)
        , m_pendingPath(pendingRoundsPath(filePath))
        , history(filePath, kBusyWaitMs)
    {
    }

    void give(const PendingRound& round)
    {
        m_unwritten.append(round);
        ++m_handled;
        drain();
    }

    // Writes every kept round it can, oldest first, stopping at the first that cannot be
    // written so that none overtakes another; the key of each makes a round two games both
    // write land once.
    void drain()
    {
        QList<PendingRound> rounds = readKeptRounds();
        const QList<PendingRound> kept = rounds;
        bool isKeptWhole = true;
        for (const PendingRound& round : std::as_const(m_unwritten)) {
            if (!hasKey(kept, round.key))
                rounds.append(round), isKeptWhole = false;
        }
        QStringList written;
        HistoryStatus status {true, {}};
        for (const auto& [key, round] : std::as_const(rounds)) {
            status = history.recordRound(round, key);
            if (!status.isBusy)
                say(status.message);
            if (!status.isDone)
                break;
            written << key;
        }
        m_unwritten.removeIf([&written](const PendingRound& round) { return written.contains(round.key); });
        if ((!kept.isEmpty() && !written.isEmpty()) || !isKeptWhole)
            rewriteKept(written);
        if (status.isBusy && !std::exchange(m_isHeld, true))
            say(QCoreApplication::translate("HistoryService", "The history %1 is in use by another program: your rounds are kept in %2 and written once it is free.\n")
                    .arg(history.filePath(), m_pendingPath));
        if (status.isDone && std::exchange(m_isHeld, false))
            say(QCoreApplication::translate("HistoryService", "The rounds kept while the history was in use are written to it now.\n"));
        if (status.isBusy)
            retryLater();
        rounds.removeIf([&written](const PendingRound& round) { return written.contains(round.key); });
        QMetaObject::invokeMethod(&m_service, [service = &m_service, handled = m_handled, rounds, hasWritten = !written.isEmpty()] {
            service->report(handled, rounds, hasWritten);
        });
    }

    // The history as it is, for a read; why it could not be read, or nothing.
    QString read(const std::function<void(HistoryDatabase&)>& work)
    {
        history.takeReadProblem(); // a problem of an earlier read is told with that read
        if (const HistoryStatus opened = history.open(); !opened.isBusy)
            say(opened.message);
        work(history);
        if (const HistoryStatus repaired = history.repairIfDamaged(); !repaired.message.isEmpty()) {
            say(repaired.message);
            work(history);
        }
        return history.takeReadProblem();
    }

    void say(const QString& message)
    {
        if (!message.isEmpty())
            QMetaObject::invokeMethod(&m_service, [service = &m_service, message] { emit service->said(message); });
    }

private:
    QList<PendingRound> readKeptRounds()
    {
        const KeptFileRead read = readKeptFile(m_pendingPath, kLargestPendingFile);
        if (read.state != KeptFileRead::State::Read && read.state != KeptFileRead::State::Missing && !std::exchange(m_hasSaidUnkept, true))
            say(QCoreApplication::translate("HistoryService", "The rounds kept in %1 cannot be read (%2).\n").arg(m_pendingPath, read.fault));
        return pendingRoundsFrom(read.bytes);
    }

    // Under the file's lock, as another game may change it at the same moment: the rounds just
    // written go, this game's unwritten ones are added, whoever else's stay.
    void rewriteKept(const QStringList& written)
    {
        QLockFile lock(lockFilePath(m_pendingPath));
        QString problem = QCoreApplication::translate("HistoryService", "its lock is held");
        if (takeLock(lock)) {
            QList<PendingRound> rounds = readKeptRounds();
            rounds.removeIf([&written](const PendingRound& round) { return written.contains(round.key); });
            for (const PendingRound& round : std::as_const(m_unwritten)) {
                if (!hasKey(rounds, round.key))
                    rounds.append(round);
            }
            if (!rounds.isEmpty())
                problem = writeKeptFile(m_pendingPath, pendingRoundsText(rounds));
            else
                problem = QFile::remove(m_pendingPath) || !QFile::exists(m_pendingPath) ? QString() : QCoreApplication::translate("HistoryService", "it cannot be removed");
        }
        if (!problem.isEmpty() && !std::exchange(m_hasSaidUnkept, true))
            say(QCoreApplication::translate("HistoryService", "The rounds not yet in the history cannot be kept in %1 (%2); they are held until the game quits.\n")
                    .arg(m_pendingPath, problem));
    }

    void retryLater()
    {
        if (!m_retry) {
            m_retry = std::make_unique<QTimer>();
            m_retry->setSingleShot(true);
            QObject::connect(m_retry.get(), &QTimer::timeout, [this] { drain(); });
        }
        m_retry->start(m_service.m_retryMs.load());
    }

    HistoryService& m_service;
    QString m_pendingPath;
    QList<PendingRound> m_unwritten; // this game's, held here too when the file cannot keep them
    qsizetype m_handled = 0; // rounds given so far
    std::unique_ptr<QTimer> m_retry;
    bool m_isHeld = false; // the last write found the history held by another program
    bool m_hasSaidUnkept = false;

public:
    HistoryDatabase history;
};

HistoryService::HistoryService(QString filePath, QObject* parent)
    : QObject(parent)
    , m_filePath(std::move(filePath))
    , m_worker(std::make_unique<Worker>(*this, m_filePath))
{
    // Known at once, for hasDailyResult(); the file is replaced whole, so it reads whole without its lock.
    m_reported = pendingRoundsFrom(readKeptFile(pendingRoundsPath(m_filePath), kLargestPendingFile).bytes);
    m_thread.setObjectName(QStringLiteral("sixfold-history"));
    m_threadContext.moveToThread(&m_thread);
    m_thread.start();
    // What an earlier run left unwritten goes in before anything this one gives.
    post([](Worker& worker) { worker.drain(); });
}

HistoryService::~HistoryService()
{
    m_isClosing = true;
    for (QThread* aside : std::as_const(m_asides))
        aside->wait();
    qDeleteAll(m_asides);
    QMetaObject::invokeMethod(&m_threadContext, [this, home = thread()] {
        m_worker.reset(); // its connection and timer are this thread's
        m_threadContext.moveToThread(home);
        m_thread.quit();
    });
    m_thread.wait();
}

void HistoryService::post(std::function<void(Worker&)> task)
{
    QMetaObject::invokeMethod(&m_threadContext, [this, task = std::move(task)] { task(*m_worker); });
}

void HistoryService::recordRound(const RoundRecord& round)
{
    PendingRound given {QUuid::createUuid().toString(QUuid::WithoutBraces), round};
    if (!given.round.playedAt.isValid()) // written later, it is still played now
        given.round.playedAt = QDateTime::currentDateTimeUtc();
    m_queued.append(given);
    ++m_given;
    post([given](Worker& worker) { worker.give(given); });
}

void HistoryService::report(qsizetype handled, const QList<PendingRound>& pending, bool hasWritten)
{
    m_queued.remove(0, std::clamp<qsizetype>(m_queued.size() - (m_given - handled), 0, m_queued.size()));
    m_reported = pending;
    if (hasWritten)
        emit roundsWritten();
}

bool HistoryService::hasDailyResult(const QString& player, int number) const
{
    const QList<PendingRound> pending = pendingRounds();
    if (std::any_of(pending.begin(), pending.end(),
                    [&](const PendingRound& kept) { return number != 0 && kept.round.player == player && kept.round.dailyNumber == number; }))
        return true;
    HistoryDatabase reader(m_filePath, kGlanceMs, HistoryDatabase::Access::Read);
    return reader.hasDailyResult(player, number);
}

void HistoryService::askDailyStanding(QObject* context, const QString& player, int today,
                                      std::function<void(const DailyStanding&)> done)
{
    ask(context, [player](HistoryDatabase& history) { return history.dailyResults(player); },
        [this, player, today, done = std::move(done)](QList<DailyResult> results, const QString& problem) {
            if (!problem.isEmpty())
                return;
            // Read now, on this thread: a round given since the read was asked counts too, and
            // one both kept and written counts once, as a number kept twice does.
            for (const PendingRound& kept : pendingRounds()) {
                if (kept.round.player == player && kept.round.dailyNumber != 0)
                    results.append({kept.round.dailyNumber, kept.round.roundScore, kept.round.computerScore});
            }
            std::stable_sort(results.begin(), results.end(), [](const DailyResult& a, const DailyResult& b) { return a.number < b.number; });
            done(RoundFigures::dailyStanding(results, today));
        });
}

void HistoryService::read(QObject* context, std::function<void(HistoryDatabase&)> work, std::function<void(const QString&)> done)
{
    post([this, guard = QPointer<QObject>(context), work = std::move(work), done = std::move(done)](Worker& worker) {
        if (m_isClosing)
            return;
        const QString problem = worker.read(work);
        QMetaObject::invokeMethod(this, [guard, done, problem] {
            if (guard)
                done(problem);
        });
    });
}

void HistoryService::readAside(QObject* context, std::function<void(HistoryDatabase&)> work, std::function<void(const QString&)> done)
{
    QThread* aside = QThread::create([this, filePath = m_filePath, guard = QPointer<QObject>(context), work = std::move(work),
                                      done = std::move(done)] {
        QString problem;
        {
            HistoryDatabase history(filePath, kBusyWaitMs, HistoryDatabase::Access::Read);
            work(history);
            problem = history.takeReadProblem();
        } // the connection goes with the thread that made it
        QMetaObject::invokeMethod(this, [guard, done, problem] {
            if (guard)
                done(problem);
        });
    });
    aside->setObjectName(QStringLiteral("sixfold-history-aside"));
    m_asides.append(aside);
    connect(aside, &QThread::finished, this, [this, aside] {
        m_asides.removeOne(aside);
        aside->deleteLater();
    });
    aside->start();
}

void HistoryService::setBestPossibleScorer(HistoryDatabase::BestPossibleScorer scorer)
{
    post([scorer = std::move(scorer)](Worker& worker) { worker.history.setBestPossibleScorer(scorer); });
}
