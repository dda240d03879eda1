#include "stats/user_stats.h"

#include "platform/user_defaults_store.h"

UserStats gCurrStats;
char gUserName[32];
std::unique_ptr<UserDefaultsStore> gPrefsDict;
