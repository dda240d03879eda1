// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/kept_file.h"

// Where the history lives, for code that must find its files without opening it.

// $XDG_DATA_HOME/sixfold/history.sqlite (normally ~/.local/share/sixfold).
inline QString historyFilePath()
{
    return applicationFilePath(QStandardPaths::GenericDataLocation, QStringLiteral("history.sqlite"));
}

// The rounds played but not yet written to the history at `historyPath`, shared by every game on it.
inline QString pendingRoundsPath(const QString& historyPath)
{
    return historyPath + QStringLiteral(".pending");
}
