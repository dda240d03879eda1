#include "stats/user_stats.h"

UserStats gCurrStats;
