// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The sum of the letter values of a NUL-terminated word, without regard to case. Every
// byte that is not one of the letters b..z or B..Z (the letter a included) is worth 1.
int32_t scoreWord(const char* word);
