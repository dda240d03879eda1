// SPDX-License-Identifier: GPL-3.0-or-later
// store_writer FILE KEY SAVES [MODE]: saves KEY's count on from the one stored, saying each save done.
// "full" caps files at 1 KiB (a full disk); "unprivileged" drops root's right to ignore mode bits.
#include "core/player/user_defaults_store.h"
#include "support/root_rights.h"

#include <QCoreApplication>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QString file = QString::fromLocal8Bit(argv[1]), key = QString::fromLocal8Bit(argv[2]);
    const int saves = std::atoi(argv[3]);
    const std::string mode = argc > 4 ? argv[4] : "";
    const rlimit limit {1024, 1024};
    if (mode == "full")
        std::signal(SIGXFSZ, SIG_IGN), setrlimit(RLIMIT_FSIZE, &limit);
    else if (mode == "unprivileged")
        setRootsFileRights(false);
    UserDefaultsStore store(file);
    int64_t count = std::get<int64_t>(store.objectForKey(key).value_or(int64_t {0}));
    // Only a save made is said, so that a test never counts one that failed. A busy machine can
    // make a save wait past the lock's limit and fail: a plain writer tries again, up to a point.
    const int attempts = mode.empty() ? saves + 50 : saves;
    for (int attempt = 0, made = 0; made < saves && attempt < attempts; ++attempt) { // the padding takes a save past 1 KiB
        if (store.setObjects({{key, count + 1}, {"padding", QString(mode.empty() ? 300 : 4000, u'p')}}))
            std::printf("%lld\n", static_cast<long long>(++count)), std::fflush(stdout), ++made;
    }
    return 0;
}
