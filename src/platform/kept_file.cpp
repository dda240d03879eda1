// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/kept_file.h"

#include "platform/application_name.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace {

// Long enough to wait out another game's save, short enough that a stuck lock never freezes
// a keystroke for long.
constexpr int kLockWaitMs = 2000;

} // namespace

QString applicationFilePath(QStandardPaths::StandardLocation location, const QString& name)
{
    return QStandardPaths::writableLocation(location) + u'/' + QLatin1String(kApplicationName) + u'/' + name;
}

QString lockFilePath(const QString& filePath)
{
    return filePath + QStringLiteral(".lock");
}

bool takeLock(QLockFile& lock)
{
    lock.setStaleLockTime(kLockWaitMs);
    return lock.tryLock(kLockWaitMs);
}

KeptFileRead readKeptFile(const QString& path, std::optional<qint64> largest)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return {KeptFileRead::State::NotRegular, {}, QStringLiteral("not a regular file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {KeptFileRead::State::Unreadable, {}, file.errorString()};
    QByteArray bytes = largest ? file.read(*largest + 1) : file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {KeptFileRead::State::Unreadable, {}, file.errorString()};
    return {KeptFileRead::State::Read, std::move(bytes), {}};
}

bool writeWhole(QFileDevice& file, const QByteArray& bytes)
{
    qint64 written = 0, part = 0;
    while (written < bytes.size() && (part = file.write(bytes.constData() + written, bytes.size() - written)) > 0)
        written += part;
    return written == bytes.size();
}

QString writeKeptFile(const QString& path, const QByteArray& bytes)
{
    return writeKeptFileInPieces(path, [&bytes](const KeptFileWrite& write) {
        write(bytes);
        return QString();
    });
}

QString writeKeptFileInPieces(const QString& path, const std::function<QString(const KeptFileWrite&)>& produce)
{
    QSaveFile file(path);
    QString reason;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        QString writeFault;
        const QString given = produce([&](const QByteArray& bytes) {
            if (writeFault.isEmpty() && !writeWhole(file, bytes))
                writeFault = file.errorString();
            return writeFault.isEmpty();
        });
        reason = writeFault.isEmpty() ? given : writeFault;
        if (!reason.isEmpty())
            file.cancelWriting();
    }
    if (file.commit())
        return {};
    return reason.isEmpty() ? file.errorString() : reason;
}

QString moveAside(const QString& path)
{
    const QString aside = path + QStringLiteral(".corrupt-")
        + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz'Z'"));
    return QFile::rename(path, aside) ? aside : QString();
}
