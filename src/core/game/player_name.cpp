// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/player_name.h"

#include "core/player/stats_persistence.h"
#include "core/player/user_stats.h"

#include <QCoreApplication>

namespace {

constexpr int kLongestUserName = sizeof gUserName - 1;

} // namespace

NameChange changePlayer(const QString& typed)
{
    if (typed.isEmpty())
        return {};
    const QByteArray name = typed.toUtf8();
    if (name.size() > kLongestUserName) {
        return {NameOutcome::Refused,
                QCoreApplication::translate("PlayerName", "'%1' is too long for a player's name (at most %2 bytes); the player stays '%3'.")
                    .arg(QString::fromUtf8(name), QString::number(kLongestUserName), QString::fromUtf8(gUserName))};
    }
    if (typed == QStringLiteral("LastUser"))
        return {NameOutcome::Refused, QCoreApplication::translate("PlayerName", "'LastUser' cannot be a player's name; the player stays '%1'.")
                                          .arg(QString::fromUtf8(gUserName))};
    saveRaisedBests();
    setUserName(name);
    loadUserStats();
    return {NameOutcome::Changed, QCoreApplication::translate("PlayerName", "User changed to '%1'").arg(QString::fromUtf8(gUserName))};
}
