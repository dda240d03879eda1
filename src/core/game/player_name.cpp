// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/player_name.h"

#include "core/player/stats_persistence.h"
#include "core/player/user_stats.h"

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
                QString::asprintf("'%s' is too long for a player's name (at most %d bytes); the player stays '%s'.",
                                  name.constData(), kLongestUserName, gUserName)};
    }
    if (typed == QStringLiteral("LastUser"))
        return {NameOutcome::Refused, QString::asprintf("'LastUser' cannot be a player's name; the player stays '%s'.", gUserName)};
    saveRaisedBests();
    setUserName(name);
    loadUserStats();
    return {NameOutcome::Changed, QString::asprintf("User changed to '%s'", gUserName)};
}
