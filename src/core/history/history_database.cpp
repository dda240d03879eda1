// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/history_database.h"

#include "core/history/history_files.h"
#include "core/platform/kept_file.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace {

// Step i takes the schema from version i to version i + 1; a later version appends a step
// and never edits an earlier one, so every old file follows the same path.
const QList<QStringList> kMigrations = {
    {
        QStringLiteral("CREATE TABLE rounds ("
                       " id INTEGER PRIMARY KEY,"
                       " player TEXT NOT NULL,"
                       " played_at INTEGER NOT NULL," // milliseconds since 1970, UTC
                       " computer_words TEXT NOT NULL," // five words, chain order, space separated
                       " computer_score INTEGER NOT NULL,"
                       " round_score INTEGER NOT NULL,"
                       " words_made INTEGER NOT NULL)"),
        // Covers every per-player figure, so none of them reads the table itself.
        QStringLiteral("CREATE INDEX rounds_by_player ON rounds (player, played_at, id, round_score, computer_score)"),
        QStringLiteral("CREATE TABLE slots ("
                       " round_id INTEGER NOT NULL REFERENCES rounds (id),"
                       " slot INTEGER NOT NULL," // 0 .. 4 in chain order
                       " player TEXT NOT NULL,"
                       " x INTEGER NOT NULL,"
                       " y INTEGER NOT NULL,"
                       " down INTEGER NOT NULL,"
                       " letters TEXT NOT NULL,"
                       " is_word INTEGER NOT NULL,"
                       " score INTEGER NOT NULL,"
                       " PRIMARY KEY (round_id, slot)) WITHOUT ROWID"),
        QStringLiteral("CREATE INDEX slots_best_words ON slots (player, score DESC, round_id) WHERE is_word = 1"),
    },
};
static_assert(HistoryDatabase::kSchemaVersion == 1, "add a migration step with the new version");

// A file that is not a database or whose pages do not add up; anything else (locked,
// read-only, missing folder) is left where it is.
bool isDamage(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 11 /* SQLITE_CORRUPT */ || code == 26 /* SQLITE_NOTADB */;
}

// Another game holds the file for longer than the wait: this attempt fails, the next may not.
bool isBusy(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 5 /* SQLITE_BUSY */ || code == 6 /* SQLITE_LOCKED */;
}

// A failure of this game's own making, worded like SQLite's.
QSqlError problem(const QString& text)
{
    return QSqlError(text, QString(), QSqlError::UnknownError);
}

QDateTime fromStored(const QVariant& milliseconds)
{
    return QDateTime::fromMSecsSinceEpoch(milliseconds.toLongLong(), Qt::UTC);
}

// The later columns as laterColumn names them: best possible, hints.
constexpr auto kRoundColumns = "id, player, played_at, computer_words, computer_score, round_score, words_made, %1, %2";

RoundRecord roundFromRow(const QSqlQuery& row)
{
    RoundRecord round;
    round.player = row.value(1).toString();
    round.playedAt = fromStored(row.value(2));
    const QStringList words = row.value(3).toString().split(u' ');
    for (int slot = 0; slot < kRoundSlots && slot < words.size(); ++slot)
        round.wordSlots[slot].solution = words[slot];
    round.computerScore = row.value(4).toInt();
    round.roundScore = row.value(5).toInt();
    round.wordsMade = row.value(6).toInt();
    if (!row.isNull(7))
        round.bestPossible = row.value(7).toInt();
    round.hints = row.value(8).toInt(); // NULL, in a round kept before hints were counted, is 0
    return round;
}

// Columns from `first` on: slot, x, y, down, letters, is_word, score.
void readSlot(const QSqlQuery& row, int first, RoundRecord& round)
{
    const int index = row.value(first).toInt();
    if (index < 0 || index >= kRoundSlots)
        return;
    SlotRecord& slot = round.wordSlots[index];
    slot.x = row.value(first + 1).toInt();
    slot.y = row.value(first + 2).toInt();
    slot.direction = row.value(first + 3).toBool() ? Direction::Down : Direction::Across;
    slot.letters = row.value(first + 4).toString();
    slot.isWord = row.value(first + 5).toBool();
    slot.score = row.value(first + 6).toInt();
}

// Columns that came after the versioned schema (which rounds are daily results, each round's best
// possible score) are added each by a step of its own that looks before it adds: a file that has
// the column, from this game or a later one, keeps it, and a file without it is still read by a
// game that knows nothing of it.
QSqlError addIfMissing(QSqlDatabase& db, const QString& countFound, const QString& add)
{
    QSqlQuery query(db);
    const auto isThere = [&]() -> std::optional<bool> {
        if (!query.exec(countFound) || !query.next())
            return std::nullopt;
        return query.value(0).toInt() > 0;
    };
    const std::optional<bool> found = isThere();
    if (!found)
        return query.lastError();
    if (*found)
        return {};
    // Another game may add it at the same moment: take the write lock, then look again. A failure
    // needs no rollback: every caller closes the connection on it, and closing drops the transaction.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return query.lastError();
    const std::optional<bool> again = isThere();
    if (again && (*again || query.exec(add)) && query.exec(QStringLiteral("COMMIT")))
        return {};
    return query.lastError();
}

QSqlError addColumnIfMissing(QSqlDatabase& db, const QString& column, const QString& type = QStringLiteral("INTEGER"))
{
    return addIfMissing(db, QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('rounds') WHERE name = '%1'").arg(column),
                        QStringLiteral("ALTER TABLE rounds ADD COLUMN %1 %2").arg(column, type));
}

// Added as the columns are, and for the same reasons.
QSqlError addIndexIfMissing(QSqlDatabase& db, const QString& name, const QString& definition,
                            const QString& kind = QStringLiteral("INDEX"))
{
    return addIfMissing(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name = '%1'").arg(name),
                        QStringLiteral("CREATE %1 %2 ON %3").arg(kind, name, definition));
}

} // namespace

QString HistoryDatabase::standardFilePath()
{
    return historyFilePath();
}

HistoryDatabase::HistoryDatabase(QString filePath, int busyWaitMs, Access access)
    : m_filePath(std::move(filePath))
    , m_busyWaitMs(busyWaitMs)
    , m_access(access)
{
    // Named after the object: unique among the live ones even when two copies of this code
    // share a process (the game's module and a program that links this library).
    m_connection = QStringLiteral("sixfold-history-%1").arg(reinterpret_cast<quintptr>(this));
}

HistoryDatabase::~HistoryDatabase()
{
    disconnect();
}

HistoryStatus HistoryDatabase::open()
{
    if (m_state != State::Closed)
        return {m_state == State::Open, {}};
    QSqlError error = connect();
    if (!error.isValid()) {
        m_state = State::Open;
        return {true, {}};
    }
    if (!isDamage(error) || m_access == Access::Read)
        return failWith(error);
    const QString aside = moveAside();
    if (aside.isEmpty())
        return failWith(problem(tr("it is damaged and could not be moved aside")));
    return startOver(aside);
}

// A new file in place of the damaged one, moved to `aside`, with what could be saved of it.
HistoryStatus HistoryDatabase::startOver(const QString& aside)
{
    if (const QSqlError error = connect(); error.isValid())
        return failWith(error);
    m_state = State::Open;
    const int recovered = recoverFrom(aside);
    const QString said = recovered == 0 ? tr("The history %1 was damaged; it is kept as %2 and a new history begins.\n")
        : recovered == 1 ? tr("The history %1 was damaged; it is kept as %2 and a new history begins with the 1 round "
                              "that could still be read from it.\n")
                         : tr("The history %1 was damaged; it is kept as %2 and a new history begins with the %n rounds "
                              "that could still be read from it.\n", nullptr, recovered);
    return {true, said.arg(m_filePath, aside)};
}

HistoryStatus HistoryDatabase::failWith(const QSqlError& error)
{
    disconnect();
    m_failure = error;
    if (isBusy(error) || m_access == Access::Read) {
        m_state = State::Closed; // the next attempt opens the file afresh
        return {false,
                (isBusy(error) ? tr("The history %1 is in use by another program (%2).\n") : tr("The history %1 cannot be read (%2).\n"))
                    .arg(m_filePath, error.text()),
                isBusy(error)};
    }
    m_state = State::Failed;
    return {false, tr("Rounds are not recorded until the next start: the history %1 failed (%2).\n")
                       .arg(m_filePath, error.text())};
}

QSqlError HistoryDatabase::connect()
{
    disconnect();
    m_isNewer = false;
    const bool reads = m_access == Access::Read;
    if (!reads)
        QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!db.isValid())
        return problem(tr("the SQLite driver of Qt is not installed"));
    db.setDatabaseName(m_filePath);
    // Another running game may be writing; wait for it rather than fail.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1%2").arg(m_busyWaitMs).arg(reads ? ";QSQLITE_OPEN_READONLY" : ""));
    if (!db.open())
        return db.lastError();
    QSqlQuery query(db);
    m_absentColumns.clear();
    if (reads) {
        // A reader upgrades nothing: a round of an older file is read without what it lacks.
        for (const QString& column : {QStringLiteral("best_possible"), QStringLiteral("hints")}) {
            if (query.exec(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('rounds') WHERE name = '%1'").arg(column)) && query.next()
                && query.value(0).toInt() == 0)
                m_absentColumns << column;
        }
        return {};
    }
    // The version before any change: a newer game's file stays exactly as it is, its journal too.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return query.lastError();
    if (const int version = query.value(0).toInt(); version > kSchemaVersion) {
        m_isNewer = true;
        return problem(tr("schema version %1 is newer than this game's %2").arg(version).arg(kSchemaVersion));
    }
    query.finish();
    // WAL lets a reader and a writer work at once; with it, NORMAL sync stays safe against
    // crashes and keeps a commit off the disk's flush. When games open a new file at once,
    // each tries to change its journal while holding a read lock, and SQLite answers all but
    // one "busy" at once rather than wait (that could deadlock): try again until the wait.
    const QDeadlineTimer deadline(m_busyWaitMs);
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL"}) {
        while (!query.exec(QString::fromLatin1(pragma))) {
            if (!isBusy(query.lastError()) || deadline.hasExpired())
                return query.lastError();
            QThread::msleep(5);
        }
    }
    QSqlError error = migrate(db);
    if (error.isValid())
        return error;
    for (const QString& column : {QStringLiteral("daily"), QStringLiteral("best_possible"), QStringLiteral("hints")}) {
        if ((error = addColumnIfMissing(db, column)).isValid())
            return error;
    }
    // What makes a round kept for a while, then given again, land once.
    error = addColumnIfMissing(db, QStringLiteral("round_key"), QStringLiteral("TEXT"));
    if (!error.isValid())
        error = addIndexIfMissing(db, QStringLiteral("rounds_by_key"), QStringLiteral("rounds (round_key)"), QStringLiteral("UNIQUE INDEX"));
    // A player's rounds in the order they were recorded, with the scores every figure reads, and
    // their daily results by number: each figure comes from an index, however long the history.
    if (!error.isValid())
        error = addIndexIfMissing(db, QStringLiteral("rounds_in_order"), QStringLiteral("rounds (player, id, round_score, computer_score)"));
    if (!error.isValid())
        error = addIndexIfMissing(db, QStringLiteral("rounds_by_daily"), QStringLiteral("rounds (player, daily, id) WHERE daily IS NOT NULL"));
    return error;
}

QSqlError HistoryDatabase::migrate(QSqlDatabase& db)
{
    QSqlQuery query(db);
    const auto version = [&query]() -> std::optional<int> {
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
            return std::nullopt;
        return query.value(0).toInt();
    };
    const std::optional<int> found = version();
    if (found == kSchemaVersion)
        return {};
    if (!found)
        return query.lastError();
    // Another game may upgrade at the same moment: take the write lock, then look again (a failure
    // is rolled back as the caller closes the connection).
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return query.lastError();
    QSqlError error;
    const int from = version().value_or(kSchemaVersion + 1);
    m_isNewer = from > kSchemaVersion;
    if (m_isNewer)
        error = problem(tr("schema version %1 is newer than this game's %2").arg(from).arg(kSchemaVersion));
    for (int step = from; !error.isValid() && step < kSchemaVersion; ++step) {
        for (const QString& statement : kMigrations[step]) {
            if (!query.exec(statement)) {
                error = query.lastError();
                break;
            }
        }
    }
    if (!error.isValid() && query.exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion))
        && query.exec(QStringLiteral("COMMIT")))
        return {};
    if (!error.isValid())
        error = query.lastError();
    return error;
}

void HistoryDatabase::disconnect()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

QString HistoryDatabase::moveAside()
{
    disconnect();
    const QString aside = ::moveAside(m_filePath);
    if (aside.isEmpty())
        return {};
    // The log and index belong to the damaged file; a new file must not replay them.
    QFile::rename(m_filePath + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(m_filePath + QStringLiteral("-shm"));
    return aside;
}

HistoryStatus HistoryDatabase::recordRound(const RoundRecord& round, const QString& key)
{
    HistoryStatus status = open();
    if (!status.isDone)
        return status;
    QSqlError error = insertRound(round, key);
    if (!error.isValid())
        return status;
    if (isDamage(error) && m_access == Access::ReadWrite) {
        // Damage found only now, past the open: start over once with a new file.
        const QString aside = moveAside();
        if (!aside.isEmpty()) {
            status = startOver(aside);
            if (status.isDone && !(error = insertRound(round, key)).isValid())
                return status;
            if (!status.isDone)
                return status;
        }
    }
    return failWith(error);
}

QString HistoryDatabase::takeReadProblem()
{
    const QSqlError error = std::exchange(m_readError, QSqlError());
    if (!error.isValid())
        return {};
    if (m_isNewer)
        return tr("the history is from a newer version of the game");
    if (isBusy(error))
        return tr("the history is in use by another program");
    return tr("the history cannot be read: %1").arg(error.text());
}

HistoryStatus HistoryDatabase::repairIfDamaged()
{
    if (m_access == Access::Read || !isDamage(m_readError))
        return {true, {}};
    m_readError = {};
    const QString aside = moveAside();
    if (aside.isEmpty())
        return failWith(problem(tr("it is damaged and could not be moved aside")));
    return startOver(aside);
}

void HistoryDatabase::noteFailure(const QSqlError& error)
{
    if (error.isValid() && !m_readError.isValid())
        m_readError = error;
}

bool HistoryDatabase::Rows::next()
{
    if (QSqlQuery::next())
        return true;
    m_owner->noteFailure(lastError());
    return false;
}

// Copies what can still be read of a damaged history into this new one, a round and its slots at
// a time, stepping past the rows a damaged page hides. How many rounds it kept.
int HistoryDatabase::recoverFrom(const QString& damagedPath)
{
    const QString reading = m_connection + QStringLiteral("-damaged");
    int recovered = 0;
    {
        QSqlDatabase damaged = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), reading);
        damaged.setDatabaseName(damagedPath);
        damaged.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        QSqlQuery rows(damaged);
        // The columns both have: an older file lacks the later ones. The id comes first.
        QStringList columns;
        const QStringList ours {"id", "player", "played_at", "computer_words", "computer_score", "round_score", "words_made",
                                "daily", "best_possible", "round_key", "hints"};
        QStringList theirs;
        for (bool found = damaged.open() && rows.exec(QStringLiteral("PRAGMA table_info(rounds)")) && rows.next(); found; found = rows.next())
            theirs << rows.value(1).toString();
        for (const QString& column : ours) {
            if (theirs.contains(column))
                columns << column;
        }
        std::optional<qint64> last;
        if (rows.exec(QStringLiteral("SELECT MAX(id) FROM rounds")) && rows.next())
            last = rows.value(0).toLongLong();
        rows.finish();
        if (columns.value(0) == QStringLiteral("id") && query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            QSqlQuery copy(QSqlDatabase::database(m_connection, false));
            QSqlQuery slotRows(damaged);
            QSqlQuery slotCopy(QSqlDatabase::database(m_connection, false));
            rows.setForwardOnly(true);
            slotRows.setForwardOnly(true);
            rows.prepare(QStringLiteral("SELECT %1 FROM rounds WHERE id >= ? ORDER BY id").arg(columns.join(QStringLiteral(", "))));
            copy.prepare(QStringLiteral("INSERT OR IGNORE INTO rounds (%1) VALUES (?%2)")
                             .arg(columns.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(columns.size() - 1)));
            slotRows.prepare(QStringLiteral("SELECT round_id, slot, player, x, y, down, letters, is_word, score FROM slots WHERE round_id = ?"));
            slotCopy.prepare(QStringLiteral("INSERT OR IGNORE INTO slots (round_id, slot, player, x, y, down, letters, is_word, score)"
                                            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            // Where a page is lost, the search goes on one id further (or, not knowing the last
            // id, ever further) until a row reads again.
            constexpr qint64 kLastId = std::numeric_limits<qint64>::max();
            const qint64 end = last.value_or(kLastId);
            for (qint64 from = 0, step = 1; from <= end;) {
                rows.bindValue(0, from);
                bool hasRead = false;
                bool isWhole = false;
                if (rows.exec()) {
                    while (rows.next()) {
                        hasRead = true;
                        from = rows.value(0).toLongLong() + 1;
                        for (int column = 0; column < columns.size(); ++column)
                            copy.bindValue(column, rows.value(column));
                        recovered += copy.exec() && copy.numRowsAffected() > 0 ? 1 : 0;
                        slotRows.bindValue(0, rows.value(0));
                        for (bool found = slotRows.exec() && slotRows.next(); found; found = slotRows.next()) {
                            for (int column = 0; column < 9; ++column)
                                slotCopy.bindValue(column, slotRows.value(column));
                            slotCopy.exec();
                        }
                        slotRows.finish();
                    }
                    isWhole = !rows.lastError().isValid();
                }
                rows.finish();
                if (isWhole || from == kLastId)
                    break;
                if (hasRead)
                    continue;
                if (from > end - step)
                    break;
                from += step;
                step = last || step > kLastId / 4 ? step : step * 2;
            }
            copy.finish();
            slotCopy.finish();
            if (!query.exec(QStringLiteral("COMMIT"))) {
                query.exec(QStringLiteral("ROLLBACK"));
                recovered = 0;
            }
        }
        damaged.close();
    }
    QSqlDatabase::removeDatabase(reading);
    return recovered;
}

QSqlError HistoryDatabase::insertRound(const RoundRecord& round, const QString& key)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    const auto failed = [&](const QSqlError& sqlError) {
        query.finish();
        db.rollback();
        return sqlError;
    };
    // The write lock from the start, where the busy wait applies, not on a later upgrade.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(query.lastError());
    QStringList words;
    for (const SlotRecord& slot : round.wordSlots)
        words << slot.solution;
    const QDateTime playedAt = round.playedAt.isValid() ? round.playedAt : QDateTime::currentDateTimeUtc();
    // Qt binds a null string as NULL; a player or slot left without text is still a round.
    query.prepare(QStringLiteral("INSERT OR IGNORE INTO rounds (player, played_at, computer_words, computer_score, round_score,"
                                 " words_made, daily, best_possible, round_key, hints) VALUES (COALESCE(?, ''), ?, COALESCE(?, ''), ?, ?, ?, ?, ?, ?, ?)"));
    const QVariant daily = round.dailyNumber != 0 ? QVariant(round.dailyNumber) : QVariant(QMetaType(QMetaType::Int));
    for (const QVariant& value : {QVariant(round.player), QVariant(playedAt.toMSecsSinceEpoch()),
                                  QVariant(words.join(u' ')), QVariant(round.computerScore),
                                  QVariant(round.roundScore), QVariant(round.wordsMade), daily,
                                  round.bestPossible ? QVariant(*round.bestPossible) : QVariant(QMetaType::fromType<int>()),
                                  key.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(key), QVariant(round.hints)})
        query.addBindValue(value);
    if (!query.exec())
        return failed(query.lastError());
    if (query.numRowsAffected() == 0) // written before, under this key
        return failed({});
    const qlonglong roundId = query.lastInsertId().toLongLong();
    query.prepare(QStringLiteral("INSERT INTO slots (round_id, slot, player, x, y, down, letters, is_word, score)"
                                 " VALUES (?, ?, COALESCE(?, ''), ?, ?, ?, COALESCE(?, ''), ?, ?)"));
    for (int index = 0; index < kRoundSlots; ++index) {
        const SlotRecord& slot = round.wordSlots[index];
        for (const QVariant& value : {QVariant(roundId), QVariant(index), QVariant(round.player),
                                      QVariant(slot.x), QVariant(slot.y),
                                      QVariant(slot.direction == Direction::Down ? 1 : 0),
                                      QVariant(slot.letters), QVariant(slot.isWord ? 1 : 0), QVariant(slot.score)})
            query.addBindValue(value);
        if (!query.exec())
            return failed(query.lastError());
    }
    if (!db.commit())
        return failed(db.lastError());
    return {};
}

std::optional<HistoryDatabase::Rows> HistoryDatabase::run(const QString& sql, const QVariantList& values)
{
    // Once a read has waited for another program in vain, its other statements do not wait again:
    // the answer that the history is in use comes after one wait, not one for every figure.
    if (isBusy(m_readError))
        return std::nullopt;
    if (!open().isDone) {
        noteFailure(m_failure.isValid() ? m_failure : problem(tr("it could not be opened")));
        return std::nullopt;
    }
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        noteFailure(query.lastError());
        return std::nullopt;
    }
    return Rows(std::move(query), *this);
}

QStringList HistoryDatabase::players()
{
    QStringList names;
    if (auto query = run(QStringLiteral("SELECT DISTINCT player FROM rounds ORDER BY player")))
        while (query->next())
            names << query->value(0).toString();
    return names;
}

int HistoryDatabase::roundCount(const QString& player)
{
    auto query = run(QStringLiteral("SELECT COUNT(*) FROM rounds WHERE player = ?"), {player});
    return query && query->next() ? query->value(0).toInt() : 0;
}

QList<RoundScores> HistoryDatabase::roundScores(const QString& player, int count)
{
    QList<RoundScores> rounds;
    auto query = run(QStringLiteral("SELECT played_at, round_score, computer_score FROM rounds WHERE player = ?"
                                    " ORDER BY id DESC LIMIT ?"),
                     {player, std::max(0, count)});
    for (int number = roundCount(player); query && query->next(); --number)
        rounds.append({number, fromStored(query->value(0)), query->value(1).toInt(), query->value(2).toInt()});
    std::reverse(rounds.begin(), rounds.end());
    return rounds;
}

QList<ScorePoint> HistoryDatabase::scorePoints(const QString& player, int count)
{
    const int total = roundCount(player);
    const int shown = std::clamp(count, 0, total);
    RoundFigures::ScorePoints points(total - shown + 1, RoundFigures::roundsPerPoint(shown));
    // The rounds before the shown ones are passed over inside the index, never read out.
    auto query = run(QStringLiteral("SELECT round_score, computer_score FROM rounds WHERE player = ? ORDER BY id LIMIT -1 OFFSET ?"),
                     {player, total - shown});
    while (query && query->next())
        points.add(query->value(0).toInt(), query->value(1).toInt());
    return points.points();
}

// The rows come best first, straight from the index, so the reading stops at the tenth
// word however long the history.
QList<BestWord> HistoryDatabase::bestWords(const QString& player, int count)
{
    RoundFigures::BestWords best(count);
    auto query = run(QStringLiteral("SELECT s.letters, s.score, r.played_at FROM slots s JOIN rounds r ON r.id = s.round_id"
                                    " WHERE s.player = ? AND s.is_word = 1 ORDER BY s.score DESC, s.round_id"),
                     {player});
    while (query && !best.isFull() && query->next())
        best.offer(query->value(0).toString(), query->value(1).toInt(), fromStored(query->value(2)));
    return best.words();
}

std::optional<RoundRecord> HistoryDatabase::roundWithId(const QVariant& id)
{
    const QString columns = QString::fromLatin1(kRoundColumns).arg(laterColumn(QStringLiteral("best_possible")), laterColumn(QStringLiteral("hints")));
    auto query = run(QStringLiteral("SELECT %1 FROM rounds WHERE id = ?").arg(columns), {id});
    if (!query || !query->next())
        return std::nullopt;
    RoundRecord round = roundFromRow(*query);
    query.reset();
    auto slotRows = run(QStringLiteral("SELECT slot, x, y, down, letters, is_word, score FROM slots WHERE round_id = ?"), {id});
    while (slotRows && slotRows->next())
        readSlot(*slotRows, 0, round);
    slotRows.reset();
    fillBestPossible(round, id);
    return round;
}

std::optional<RoundRecord> HistoryDatabase::lastRound(const QString& player)
{
    auto query = run(QStringLiteral("SELECT id FROM rounds WHERE player = ? ORDER BY id DESC LIMIT 1"), {player});
    if (!query || !query->next())
        return std::nullopt;
    return roundWithId(query->value(0));
}

// The number's place among the player's index entries gives the round's key; no round is read
// but that one.
std::optional<RoundRecord> HistoryDatabase::round(const QString& player, int number)
{
    if (number < 1)
        return std::nullopt;
    auto query = run(QStringLiteral("SELECT id FROM rounds WHERE player = ? ORDER BY id LIMIT 1 OFFSET ?"), {player, number - 1});
    if (!query || !query->next())
        return std::nullopt;
    return roundWithId(query->value(0));
}

bool HistoryDatabase::forEachRound(const QString& player, const std::function<bool(const RoundRecord&)>& visit)
{
    auto query = run(QStringLiteral("SELECT r.id, r.player, r.played_at, r.computer_words, r.computer_score,"
                                    " r.round_score, r.words_made, %1, %2, s.slot, s.x, s.y, s.down, s.letters, s.is_word, s.score"
                                    " FROM rounds r LEFT JOIN slots s ON s.round_id = r.id WHERE r.player = ?"
                                    " ORDER BY r.id, s.slot")
                         .arg(laterColumn(QStringLiteral("best_possible"), QStringLiteral("r.")), laterColumn(QStringLiteral("hints"), QStringLiteral("r."))),
                     {player});
    if (!query)
        return false;
    std::optional<RoundRecord> round;
    qlonglong current = -1;
    while (query->next()) {
        if (query->value(0).toLongLong() != current) {
            if (round && !visit(*round))
                return false;
            current = query->value(0).toLongLong();
            round = roundFromRow(*query);
        }
        if (!query->isNull(9))
            readSlot(*query, 9, *round);
    }
    return !query->lastError().isValid() && (!round || visit(*round));
}

std::optional<QList<RoundRecord>> HistoryDatabase::allRounds(const QString& player)
{
    QList<RoundRecord> rounds;
    if (!forEachRound(player, [&rounds](const RoundRecord& round) { return rounds.append(round), true; }))
        return std::nullopt;
    return rounds;
}

bool HistoryDatabase::hasDailyResult(const QString& player, int number)
{
    auto query = run(QStringLiteral("SELECT 1 FROM rounds WHERE player = ? AND daily = ? LIMIT 1"), {player, number});
    return query && query->next();
}

// A number kept twice (two games submitting it at once) counts once, at its first round.
QList<DailyResult> HistoryDatabase::dailyResults(const QString& player)
{
    QList<DailyResult> results;
    auto query = run(QStringLiteral("SELECT daily, round_score, computer_score FROM rounds"
                                    " WHERE player = ? AND daily IS NOT NULL ORDER BY daily, id"),
                     {player});
    while (query && query->next()) {
        const int number = query->value(0).toInt();
        if (results.isEmpty() || results.last().number != number)
            results.append({number, query->value(1).toInt(), query->value(2).toInt()});
    }
    return results;
}

void HistoryDatabase::fillBestPossible(RoundRecord& round, const QVariant& id)
{
    if (round.bestPossible || !m_scorer)
        return;
    round.bestPossible = m_scorer(round);
    if (round.bestPossible)
        run(QStringLiteral("UPDATE rounds SET best_possible = ? WHERE id = ? AND best_possible IS NULL"), {*round.bestPossible, id});
}

// One pass over the player's index in recorded order gives every figure that counts rounds;
// nothing is kept per round.
PlayerStatistics HistoryDatabase::statistics(const QString& player, int lastRounds)
{
    PlayerStatistics figures;
    figures.roundCount = roundCount(player);
    const int shown = std::clamp(lastRounds, 0, figures.roundCount);
    const int firstShown = figures.roundCount - shown + 1;
    RoundFigures::ScorePoints points(firstShown, RoundFigures::roundsPerPoint(shown));
    auto query = run(QStringLiteral("SELECT round_score, computer_score FROM rounds WHERE player = ? ORDER BY id"), {player});
    for (int number = 1; query && query->next(); ++number) {
        const int score = query->value(0).toInt();
        const int computerScore = query->value(1).toInt();
        figures.wins.add(score, computerScore);
        ++figures.scoreCounts[score];
        if (number >= firstShown)
            points.add(score, computerScore);
    }
    query.reset();
    figures.scores = points.points();
    figures.bestWords = bestWords(player);
    figures.lastRound = lastRound(player);
    figures.dailyResults = dailyResults(player);
    // The last few rounds only, read from the newest back: the same cost however long the history.
    query = run(QStringLiteral("SELECT COALESCE(SUM(h), 0) FROM (SELECT %1 AS h FROM rounds WHERE player = ? ORDER BY id DESC LIMIT ?)")
                    .arg(laterColumn(QStringLiteral("hints"))),
                {player, PlayerStatistics::kHintRounds});
    if (query && query->next())
        figures.recentHints = query->value(0).toInt();
    return figures;
}
