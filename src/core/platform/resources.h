// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Where the application's data files live: resources/ beside the executable in a build
// tree, <prefix>/share/sixfold once installed (found relative to bin/, so any prefix works).
QString resourceDirectory();

// Points every lookup at `directory` instead; an empty string restores the default.
void setResourceDirectory(const QString& directory);

// The full path of the file `name`.`type` in the resource directory, or nothing if absent.
std::optional<QString> pathForResource(const QString& name, const QString& type);

// The whole file in one buffer, or nothing if it cannot be read, why then in `fault` when given.
std::optional<QByteArray> readWholeFile(const QString& path, QString* fault = nullptr);
