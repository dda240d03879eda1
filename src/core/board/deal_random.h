// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The one generator every board is dealt from. Its algorithm is fixed here, byte for byte,
// because a board code and the daily board name a board by its seed: the same seed must
// deal the same words on every machine, compiler and standard library, so no std
// distribution (whose results differ between libraries) takes part.
//
// SplitMix64: the state advances by 0x9E3779B97F4A7C15 and each output is the state mixed
// by  z = (z ^ z >> 30) * 0xBF58476D1CE4E5B9;  z = (z ^ z >> 27) * 0x94D049BB133111EB;
// z ^ z >> 31.
class DealRandom {
public:
    explicit DealRandom(uint64_t seed)
        : m_state(seed)
    {
    }

    uint64_t next();

    // A value in 0 .. bound - 1, every one equally likely: Lemire's multiply-and-shift on the
    // high 32 bits of next(), redrawing the few products whose low half falls below
    // 2^32 mod bound. 0 for a bound of 0 or 1, without a draw.
    uint32_t below(uint32_t bound);

private:
    uint64_t m_state;
};

// One SplitMix64 output for `value` taken as the state: a well-mixed function of it.
uint64_t mixBits(uint64_t value);
