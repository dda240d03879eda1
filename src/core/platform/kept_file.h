// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStandardPaths>
#include <QString>

#include <functional>
#include <optional>

class QFileDevice;
class QLockFile;

// How every file the game keeps is found, locked, read, replaced and, when damaged, moved aside.

// <location>/sixfold/<name>, e.g. $XDG_CONFIG_HOME/sixfold/defaults.json.
QString applicationFilePath(QStandardPaths::StandardLocation location, const QString& name);

// The lock beside a kept file; every change of the file is made holding it.
QString lockFilePath(const QString& filePath);

// Waits a couple of seconds for the lock. A save holds it for milliseconds, so one whose holder
// is gone, or older than that wait (a game killed before it could fill the lock in), is taken over.
bool takeLock(QLockFile& lock);

struct KeptFileRead {
    enum class State { Missing, Read, NotRegular, Unreadable };
    State state = State::Missing;
    QByteArray bytes;
    QString fault; // why it could not be read, in the system's words
};

// Only a regular file is opened: a FIFO would wait for a writer that never comes, a device
// could be endless. With `largest` set, at most one byte more than that is read.
KeptFileRead readKeptFile(const QString& path, std::optional<qint64> largest = std::nullopt);

// Writes all of `bytes` to a file opened Unbuffered (a failed buffered write says "Unknown
// error", and closing writes the refused bytes again); after a short write the rest is tried,
// so that errorString() then says why. Whether every byte was written.
bool writeWhole(QFileDevice& file, const QByteArray& bytes);

// Replaces the file whole, leaving the old one as it was when any step fails; the reason then,
// else nothing. Every step is checked: QSaveFile's commit alone renames even after a write failed.
QString writeKeptFile(const QString& path, const QByteArray& bytes);

// The same for a file too long to hold at once: `produce` writes it piece by piece through the
// function it is given, which says whether the piece was written, and returns its own reason
// to give up, or nothing. Any failure, its own or a write's, leaves the old file as it was.
using KeptFileWrite = std::function<bool(const QByteArray&)>;
QString writeKeptFileInPieces(const QString& path, const std::function<QString(const KeptFileWrite&)>& produce);

// Renames a damaged file to <path>.corrupt-<UTC time, yyyyMMdd'T'HHmmsszzz'Z'> so that it is
// never read nor written over again; its new path, or nothing when it cannot be moved.
QString moveAside(const QString& path);
