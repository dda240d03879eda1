// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/resources.h"

#include "core/platform/application_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace {

QString g_overrideDirectory;

QString executableDirectory()
{
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? QDir::currentPath() : QString::fromStdString(executable.parent_path().string());
}

QString defaultResourceDirectory()
{
    const QDir bin(executableDirectory());
    const QString beside = bin.filePath(QStringLiteral("resources"));
    const QString installed = QDir::cleanPath(bin.filePath(QStringLiteral("../share/") + QLatin1String(kApplicationName)));
    return QFileInfo(beside).isDir() || !QFileInfo(installed).isDir() ? beside : installed;
}

} // namespace

QString resourceDirectory()
{
    static const QString defaultDirectory = defaultResourceDirectory();
    return g_overrideDirectory.isEmpty() ? defaultDirectory : g_overrideDirectory;
}

void setResourceDirectory(const QString& directory)
{
    g_overrideDirectory = directory;
}

std::optional<QString> pathForResource(const QString& name, const QString& type)
{
    const QString path = QDir(resourceDirectory()).filePath(name + u'.' + type);
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    return path;
}

std::optional<QByteArray> readWholeFile(const QString& path, QString* fault)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() == QFileDevice::NoError)
        return bytes;
    if (fault)
        *fault = file.errorString();
    return std::nullopt;
}
