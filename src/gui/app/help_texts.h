// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts of the Help menu, as rich text.
QString howToPlayText();
QString aboutText();
