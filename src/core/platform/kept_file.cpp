// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/kept_file.h"

#include "core/platform/application_name.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <map>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Long enough to wait out another game's save, short enough that a stuck lock never freezes
// a keystroke for long.
constexpr int kLockWaitMs = 2000;
// A lock whose holder has died is taken over at once (QLockFile asks whether its process still
// runs); age alone breaks only a lock left by another machine or a holder that hangs. Were this
// as short as the wait, a game slowed by a busy machine past it would lose its lock mid-save, and
// the other game's save would overwrite the first one's.
constexpr int kStaleLockMs = 8000;

bool isLossless(const QByteArray& path)
{
    return QFile::encodeName(QFile::decodeName(path)) == path;
}

// The folder's bytes as the environment gives them, where Qt reads them too.
QByteArray givenLocation(QStandardPaths::StandardLocation location)
{
    const bool isData = location == QStandardPaths::GenericDataLocation;
    const QByteArray given = qgetenv(isData ? "XDG_DATA_HOME" : "XDG_CONFIG_HOME");
    return given.isEmpty() ? qgetenv("HOME") + (isData ? "/.local/share" : "/.config") : given;
}

// Qt reads a path from the environment as UTF-8, so a folder named in another encoding (a home
// "j\xf6rg" in Latin-1) comes back as the name of another folder, which a save would create.
// Such a folder is opened by its bytes instead, made if need be as the first save would make it,
// and reached for the rest of the run through its descriptor, whose name is plain ASCII.
std::optional<QString> reachedByBytes(const QByteArray& path)
{
    qsizetype split = path.indexOf('/', 1);
    while (split != -1 && !isLossless(path.mid(split)))
        split = path.indexOf('/', split + 1);
    const QByteArray folder = split == -1 ? path : path.left(split);
    static std::mutex guard;
    static std::map<QByteArray, int> opened;
    const std::lock_guard lock(guard);
    auto found = opened.find(folder);
    if (found == opened.end()) {
        for (qsizetype slash = folder.indexOf('/', 1); slash != -1; slash = folder.indexOf('/', slash + 1))
            ::mkdir(folder.left(slash).constData(), 0700);
        ::mkdir(folder.constData(), 0700);
        const int descriptor = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (descriptor < 0)
            return std::nullopt;
        found = opened.emplace(folder, descriptor).first;
    }
    return QStringLiteral("/proc/self/fd/%1").arg(found->second) + QFile::decodeName(path.mid(folder.size()));
}

} // namespace

QString applicationFilePath(QStandardPaths::StandardLocation location, const QString& name)
{
    QString folder = QStandardPaths::writableLocation(location);
    const QByteArray given = givenLocation(location);
    if (!isLossless(given) && QFile::decodeName(given) == folder)
        folder = reachedByBytes(given).value_or(folder);
    return folder + u'/' + QLatin1String(kApplicationName) + u'/' + name;
}

QString lockFilePath(const QString& filePath)
{
    return filePath + QStringLiteral(".lock");
}

bool takeLock(QLockFile& lock)
{
    lock.setStaleLockTime(kStaleLockMs);
    return lock.tryLock(kLockWaitMs);
}

KeptFileRead readKeptFile(const QString& path, std::optional<qint64> largest)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return {KeptFileRead::State::NotRegular, {}, QCoreApplication::translate("KeptFile", "not a regular file")};
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
