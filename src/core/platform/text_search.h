// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The index where `pattern` first starts in `text`, or -1; -1 also for an empty pattern.
// Byte for byte when `matchCase` is nonzero, else after folding both to lower case.
// After a failed partial match the scan goes on past the failing character without
// backing up, so "aab" does not contain "ab" by this search; callers rely on that.
int32_t textContains(const char* text, const char* pattern, int8_t matchCase);
