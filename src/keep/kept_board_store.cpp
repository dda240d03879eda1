// SPDX-License-Identifier: GPL-3.0-or-later
#include "keep/kept_board_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Long enough to wait out another game's write, short enough that a stuck lock never
// freezes a keystroke for long; a lock left by a killed game is taken over after this.
constexpr int kLockTimeoutMs = 2000;
constexpr qint64 kLargestDocument = 1 << 20;

QString lockPath(const QString& filePath)
{
    return filePath + QStringLiteral(".lock");
}

} // namespace

KeptBoardStore::KeptBoardStore(QString filePath)
    : m_filePath(std::move(filePath))
{
}

QString KeptBoardStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/sixfold/board.json");
}

KeptBoardStore::Loaded KeptBoardStore::load() const
{
    if (!QFileInfo::exists(m_filePath))
        return {};
    QLockFile lock(lockPath(m_filePath));
    lock.setStaleLockTime(kLockTimeoutMs);
    const bool locked = lock.tryLock(kLockTimeoutMs);
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("The kept board %1 cannot be read (%2).").arg(m_filePath, file.errorString())};
    QString reason = QStringLiteral("it is larger than any board");
    if (file.size() <= kLargestDocument) {
        if (auto board = readBoardDocument(file.readAll(), &reason))
            return {std::move(board), {}};
    }
    file.close();
    // Without the lock another game may be mid-write; leave its file alone and just start afresh.
    if (!locked)
        return {std::nullopt, QStringLiteral("The kept board %1 is not a board (%2); it is left as it is.").arg(m_filePath, reason)};
    const QString aside = m_filePath + QStringLiteral(".corrupt-")
        + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddThhmmsszzz"));
    if (!QFile::rename(m_filePath, aside))
        return {std::nullopt, QStringLiteral("The kept board %1 is not a board (%2) and cannot be moved aside.").arg(m_filePath, reason)};
    return {std::nullopt, QStringLiteral("The kept board was not a board (%1); it is moved to %2 and a fresh board is dealt.").arg(reason, aside)};
}

bool KeptBoardStore::save(const BoardState& board, QString* problem) const
{
    const auto fail = [&](const QString& reason) {
        if (problem)
            *problem = QStringLiteral("The board cannot be kept in %1 (%2).").arg(m_filePath, reason);
        return false;
    };
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return fail(QStringLiteral("its folder cannot be made"));
    QLockFile lock(lockPath(m_filePath));
    lock.setStaleLockTime(kLockTimeoutMs);
    if (!lock.tryLock(kLockTimeoutMs))
        return fail(QStringLiteral("another game holds it"));
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    file.write(writeBoardDocument(board));
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

bool KeptBoardStore::remove(QString* problem) const
{
    if (!QFileInfo::exists(m_filePath))
        return true;
    QLockFile lock(lockPath(m_filePath));
    lock.setStaleLockTime(kLockTimeoutMs);
    const bool locked = lock.tryLock(kLockTimeoutMs);
    if (locked && QFile::remove(m_filePath))
        return true;
    if (problem)
        *problem = QStringLiteral("The submitted board cannot be removed from %1, and may come back.").arg(m_filePath);
    return false;
}
