// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_log.h"

Q_LOGGING_CATEGORY(lcApp, "sixfold.app", QtInfoMsg)
