// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The login name of the user running the program.
QString loginUserName();
