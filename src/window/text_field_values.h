// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

class QLabel;

// Shows `value` in decimal as the whole text of `field`, and names the field for a screen
// reader by its caption (the label whose buddy it is) and the value: "Your score: 12".
void setIntValue(QLabel* field, int32_t value);

// The integer a text field's text reads as: leading white space, an optional sign and the
// leading decimal digits ("12abc" is 12, "abc" is 0), held at the 32-bit limits.
int32_t intValue(const QString& text);
