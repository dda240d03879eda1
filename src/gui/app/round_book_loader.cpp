// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/round_book_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

std::unique_ptr<RoundBook> loadRoundBook(QString* problem)
{
    const QDir programDirectory(QCoreApplication::applicationDirPath());
    const QString module = QStringLiteral("sixfold-statistics");
    QStringList errors;
    for (const QString& path : {programDirectory.filePath(module),
                                programDirectory.filePath(QStringLiteral(SIXFOLD_MODULE_DIRECTORY "/") + module)}) {
        // Never unloaded: the book's code must stay while any of its windows lives.
        QLibrary library(path);
        if (!library.load()) {
            errors << library.errorString();
            continue;
        }
        if (const auto newBook = reinterpret_cast<RoundBook* (*)()>(library.resolve(kNewRoundBookSymbol)))
            return std::unique_ptr<RoundBook>(newBook());
        errors << library.errorString();
    }
    *problem = QStringLiteral("The history and its statistics are unavailable: %1\n").arg(errors.join(QStringLiteral("; ")));
    return nullptr;
}
