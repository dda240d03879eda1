// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class QLabel;

// Shows `value` in decimal as the whole text of `field`, and names the field for a screen
// reader by its caption (the label whose buddy it is) and the value: "Your score: 12".
void setIntValue(QLabel* field, int32_t value);
