// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/kept_board/kept_board_store.h"

#include "core/platform/kept_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace {

constexpr qint64 kLargestDocument = 1 << 20;
// The record is read at every write; past this (about 1700 boards) only the newest are kept.
constexpr qint64 kLargestRecord = 64 << 10;
constexpr qsizetype kIdentitiesKeptAfterTrim = 500;

// Whether this game holds the lock beside the board, which every change of the board or the
// record other than an append waits for.
enum class Lock { Held, NotHeld };

// Why the lock was not taken, in words the player can act on.
QString lockFault(const QLockFile& lock)
{
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return QCoreApplication::translate("KeptBoard", "another game holds it");
    case QLockFile::PermissionError:
        return QCoreApplication::translate("KeptBoard", "Permission denied");
    default:
        return QCoreApplication::translate("KeptBoard", "its lock file cannot be written; the disk may be full");
    }
}

// What the file holds. `isKept` is false when what is there must stay as it is: a file
// that cannot be read, that is no regular file (opening a FIFO would wait for a writer
// for ever), or that is no board while another game may be writing it.
struct OnDisk {
    std::optional<BoardState> board;
    QString problem;
    bool isKept = true;
};

OnDisk readKept(const QString& path, Lock lock)
{
    const KeptFileRead file = readKeptFile(path, kLargestDocument);
    switch (file.state) {
    case KeptFileRead::State::Missing:
        return {};
    case KeptFileRead::State::NotRegular:
        return {std::nullopt, QCoreApplication::translate("KeptBoard", "The kept board %1 is not a regular file; it is left as it is and no board is kept.").arg(path), false};
    case KeptFileRead::State::Unreadable:
        return {std::nullopt, QCoreApplication::translate("KeptBoard", "The kept board %1 cannot be read (%2); it is left as it is and no board is kept.").arg(path, file.fault), false};
    case KeptFileRead::State::Read:
        break;
    }
    QString reason = QCoreApplication::translate("KeptBoard", "it is larger than any board");
    if (file.bytes.size() <= kLargestDocument) {
        if (auto board = readBoardDocument(file.bytes, &reason))
            return {std::move(board), {}, true};
    }
    // Without the lock another game may be mid-write; leave its file alone.
    if (lock == Lock::NotHeld)
        return {std::nullopt, QCoreApplication::translate("KeptBoard", "The kept board %1 is not a board (%2); it is left as it is.").arg(path, reason), false};
    const QString aside = moveAside(path);
    if (aside.isEmpty())
        return {std::nullopt, QCoreApplication::translate("KeptBoard", "The kept board %1 is not a board (%2) and cannot be moved aside.").arg(path, reason), false};
    return {std::nullopt, QCoreApplication::translate("KeptBoard", "The kept board was not a board (%1); it is moved to %2.").arg(reason, aside), true};
}

bool isRecorded(const QString& recordPath, const QString& identity)
{
    return !identity.isEmpty() && readKeptFile(recordPath).bytes.split('\n').contains(identity.toLatin1());
}

// Adds the identity to the record; the reason when it cannot. A write cut short is taken
// back, so that a torn line never runs into the next identity.
QString record(const QString& recordPath, const QString& identity, Lock lock)
{
    QFile file(recordPath);
    if (!QDir().mkpath(QFileInfo(recordPath).absolutePath()))
        return QCoreApplication::translate("KeptBoard", "its folder cannot be made");
    if (file.exists() && !QFileInfo(recordPath).isFile())
        return QCoreApplication::translate("KeptBoard", "%1 is not a regular file").arg(recordPath);
    const QByteArray line = identity.toLatin1() + '\n';
    if (!file.open(QIODevice::Append | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 before = file.size();
    if (!writeWhole(file, line)) {
        const QString reason = file.errorString();
        file.resize(before);
        return reason;
    }
    // Trimming rewrites the record, which only the lock's holder may do.
    if (lock == Lock::NotHeld || file.size() <= kLargestRecord)
        return {};
    file.close();
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    const QByteArray kept = lines.mid(std::max<qsizetype>(0, lines.size() - kIdentitiesKeptAfterTrim)).join('\n') + '\n';
    writeKeptFile(recordPath, kept);
    return {};
}

} // namespace

KeptBoardStore::KeptBoardStore(QString filePath, QString spareRecordPath)
    : m_filePath(std::move(filePath))
    , m_spareRecordPath(std::move(spareRecordPath))
{
}

QString KeptBoardStore::defaultFilePath()
{
    return applicationFilePath(QStandardPaths::GenericDataLocation, QStringLiteral("board.json"));
}

QString KeptBoardStore::defaultSpareRecordPath()
{
    return applicationFilePath(QStandardPaths::GenericConfigLocation, QStringLiteral("submitted-boards"));
}

QString KeptBoardStore::recordPath() const
{
    return QFileInfo(m_filePath).absolutePath() + QStringLiteral("/submitted-boards");
}

KeptBoardStore::Loaded KeptBoardStore::load() const
{
    if (!QFileInfo::exists(m_filePath))
        return {};
    QLockFile lock(lockFilePath(m_filePath));
    const bool locked = takeLock(lock);
    OnDisk onDisk = readKept(m_filePath, locked ? Lock::Held : Lock::NotHeld);
    if (!onDisk.board || !isSubmitted(boardIdentity(*onDisk.board)))
        return {std::move(onDisk.board), onDisk.problem};
    // Left behind by a game that could not remove it, or written back by one that still held it.
    QFile file(m_filePath);
    if (locked && file.remove())
        return {};
    return {std::nullopt, QCoreApplication::translate("KeptBoard", "The kept board %1 was submitted already and cannot be removed (%2); it is not resumed.")
                              .arg(m_filePath, locked ? file.errorString() : lockFault(lock))};
}

KeptBoardStore::Outcome KeptBoardStore::save(const BoardState& board, QString* problem) const
{
    const auto fail = [&](const QString& sentence) {
        if (problem)
            *problem = sentence;
        return Outcome::Failed;
    };
    const auto cannot = [&](const QString& reason) {
        return fail(QCoreApplication::translate("KeptBoard", "The board cannot be kept in %1 (%2); the file is left as it was.").arg(m_filePath, reason));
    };
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return cannot(QCoreApplication::translate("KeptBoard", "its folder cannot be made"));
    QLockFile lock(lockFilePath(m_filePath));
    if (!takeLock(lock))
        return cannot(lockFault(lock));
    const OnDisk onDisk = readKept(m_filePath, Lock::Held);
    if (!onDisk.isKept)
        return fail(onDisk.problem);
    if (problem)
        *problem = onDisk.problem;
    if (isSubmitted(boardIdentity(board)))
        return Outcome::Submitted;
    const QString reason = writeKeptFile(m_filePath, writeBoardDocument(board));
    return reason.isEmpty() ? Outcome::Done : cannot(reason);
}

KeptBoardStore::Outcome KeptBoardStore::submit(const QString& identity, QString* problem) const
{
    QLockFile lock(lockFilePath(m_filePath));
    const Lock held = takeLock(lock) ? Lock::Held : Lock::NotHeld;
    if (isSubmitted(identity))
        return Outcome::Submitted;
    QString where = recordPath();
    QString unrecorded = record(where, identity, held);
    if (!unrecorded.isEmpty() && !m_spareRecordPath.isEmpty() && record(m_spareRecordPath, identity, held).isEmpty())
        where = m_spareRecordPath, unrecorded.clear();
    const OnDisk onDisk = readKept(m_filePath, held);
    if (!onDisk.board || boardIdentity(*onDisk.board) != identity)
        return Outcome::Done;
    // Only another game's lock holds the removal back: a lock that cannot be made (a full
    // disk) is none, and removing the board is what frees the space.
    QFile file(m_filePath);
    const bool isHeldElsewhere = held == Lock::NotHeld && lock.error() == QLockFile::LockFailedError;
    const QString cause = isHeldElsewhere ? lockFault(lock) : file.remove() ? QString() : file.errorString();
    if (!cause.isEmpty() && problem) {
        *problem = unrecorded.isEmpty()
            ? QCoreApplication::translate("KeptBoard", "The submitted board cannot be removed from %1 (%2); it is remembered as submitted in %3 and is never resumed.")
                  .arg(m_filePath, cause, where)
            : QCoreApplication::translate("KeptBoard", "The submitted board cannot be removed from %1 (%2) nor remembered as submitted (%3), and may come back.")
                  .arg(m_filePath, cause, unrecorded);
    }
    return Outcome::Done;
}

bool KeptBoardStore::isSubmitted(const QString& identity) const
{
    return isRecorded(recordPath(), identity) || (!m_spareRecordPath.isEmpty() && isRecorded(m_spareRecordPath, identity));
}

bool KeptBoardStore::remove(const QString& identity, QString* problem) const
{
    if (!QFileInfo::exists(m_filePath))
        return true;
    QLockFile lock(lockFilePath(m_filePath));
    QString cause;
    if (takeLock(lock)) {
        const OnDisk onDisk = readKept(m_filePath, Lock::Held);
        QFile file(m_filePath);
        if (!onDisk.board || boardIdentity(*onDisk.board) != identity || file.remove())
            return true;
        cause = file.errorString();
    } else {
        cause = lockFault(lock);
    }
    if (problem)
        *problem = QCoreApplication::translate("KeptBoard", "The kept board cannot be removed from %1 (%2).").arg(m_filePath, cause);
    return false;
}
