// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/app_log.h"

Q_LOGGING_CATEGORY(lcApp, "sixfold.app", QtInfoMsg)
