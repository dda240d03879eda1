#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// An empty resource folder that the game reads instead of the one before while this
// object lives.
class TemporaryResources {
public:
    TemporaryResources();
    ~TemporaryResources();

    // Writes `bytes` as the resource file `fileName` (for example "SixLetterWords.txt").
    void write(const QString& fileName, const QByteArray& bytes) const;

private:
    QTemporaryDir m_directory;
    QString m_previousDirectory;
};
