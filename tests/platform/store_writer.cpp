// Saves again and again as a separate process, for the store's crash, failure and
// concurrency tests:
//   store_writer FILE KEY SAVES [MODE]
// Without a mode it saves KEY's record counting on from the count stored and says each
// completed save on standard output. "full" first limits the size of any file it writes to
// 1 KiB (a full disk), "unprivileged" first drops root's right to read and write what its
// mode bits forbid; both then save a record too large for that limit. "rounds" submits SAVES
// rounds of 10 points, 2 words and 7 computer points for the player KEY, as a game does.
#include "platform/user_defaults_store.h"
#include "stats/stats_persistence.h"
#include "stats/user_stats.h"

#include <QCoreApplication>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

void dropFileRightsOfRoot()
{
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] {};
    syscall(SYS_capget, &header, data);
    data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    syscall(SYS_capset, &header, data);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 4)
        return 2;
    const QString file = QString::fromLocal8Bit(argv[1]);
    const QString key = QString::fromLocal8Bit(argv[2]);
    const int saves = std::atoi(argv[3]);
    const char* mode = argc > 4 ? argv[4] : "";
    if (std::strcmp(mode, "rounds") == 0) {
        gPrefsDict = std::make_unique<UserDefaultsStore>(file);
        setUserName(key.toUtf8());
        loadUserStats();
        saveStats();
        for (int i = 0; i < saves; ++i) {
            submitRound({.score = 10, .computerScore = 7, .wordsMade = 2, .puzzles = 1});
            saveStats();
        }
        return 0;
    }
    if (std::strcmp(mode, "full") == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
    } else if (std::strcmp(mode, "unprivileged") == 0) {
        dropFileRightsOfRoot();
    }
    UserDefaultsStore store(file);
    int64_t count = 0;
    if (const auto stored = store.objectForKey(key)) {
        if (const auto* record = std::get_if<StoreDictionary>(&*stored))
            count = std::get<int64_t>(record->at(QStringLiteral("count")));
    }
    const QString padding(*mode ? 4000 : 300, u'p');
    for (int i = 0; i < saves; ++i) {
        ++count;
        store.setObject(key, StoreDictionary {{QStringLiteral("count"), count}, {QStringLiteral("padding"), padding}});
        std::printf("%lld\n", static_cast<long long>(count));
        std::fflush(stdout);
    }
    return 0;
}
