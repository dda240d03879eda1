// Saves one player's record again and again, counting on from the count stored, and says
// each completed save on standard output: the store's crash and concurrency tests run it
// as separate processes.
//   store_writer FILE KEY SAVES
#include "platform/user_defaults_store.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 4)
        return 2;
    UserDefaultsStore store(QString::fromLocal8Bit(argv[1]));
    const QString key = QString::fromLocal8Bit(argv[2]);
    const int saves = std::atoi(argv[3]);
    int32_t count = 0;
    if (const auto stored = store.objectForKey(key)) {
        if (const auto* record = std::get_if<StoreDictionary>(&*stored))
            count = std::get<int32_t>(record->at(QStringLiteral("count")));
    }
    const QString padding(300, u'p');
    for (int i = 0; i < saves; ++i) {
        ++count;
        store.setObject(key, StoreDictionary {{QStringLiteral("count"), count}, {QStringLiteral("padding"), padding}});
        std::printf("%d\n", count);
        std::fflush(stdout);
    }
    return 0;
}
