// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/round_book_loader.h"

#include "core/game/stored_round.h"
#include "core/platform/log_console.h"
#include "core/round/lexicon.h"

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
    //: %1 is why the module cannot be loaded, as the system says it.
    *problem = QCoreApplication::translate("History", "The history and its statistics are unavailable: %1").arg(errors.join(QStringLiteral("; ")))
        + u'\n';
    return nullptr;
}

std::unique_ptr<RoundBook> loadGamesRoundBook()
{
    QString problem;
    std::unique_ptr<RoundBook> book = loadRoundBook(&problem);
    if (!book) {
        myPrintf("%s", problem.toUtf8().constData());
        return nullptr;
    }
    book->setConsole([](const QString& line) { myPrintf("%s", line.toUtf8().constData()); });
    // Read here, where a problem with it can be told: the scorer runs on the history's thread.
    Lexicon::shared();
    book->setBestPossibleScorer(bestPossibleOf);
    book->setReviewer(reviewOf);
    return book;
}
