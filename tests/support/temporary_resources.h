// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/resources.h"

#include <QFile>
#include <QTemporaryDir>

// An empty resource folder that the game reads instead of the one before while this lives.
class TemporaryResources {
public:
    TemporaryResources() { setResourceDirectory(m_directory.path()); }
    ~TemporaryResources() { setResourceDirectory(m_previousDirectory); }

    // Writes `bytes` as the resource file `fileName` (for example "SixLetterWords.txt").
    void write(const QString& fileName, const QByteArray& bytes) const
    {
        if (QFile file(m_directory.filePath(fileName)); file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

private:
    QString m_previousDirectory = resourceDirectory();
    QTemporaryDir m_directory;
};
