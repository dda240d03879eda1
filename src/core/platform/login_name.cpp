// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/login_name.h"

#include <pwd.h>
#include <unistd.h>

#include <array>

QString loginUserName()
{
    passwd entry {};
    passwd* found = nullptr;
    std::array<char, 4096> buffer {};
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
        return QString::fromLocal8Bit(found->pw_name);
    const QString fromEnvironment = qEnvironmentVariable("USER");
    return fromEnvironment.isEmpty() ? QStringLiteral("player") : fromEnvironment;
}
