// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class myTextField;

// The input cell nearest to (x, y) in the direction (dx, dy), one of the four unit steps:
// cells straight that way come first, then those further off the line. Null when there is
// none. Reads only gGrid.
myTextField* nearestInputCell(int32_t x, int32_t y, int32_t dx, int32_t dy);
