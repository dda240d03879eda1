// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/deal_random.h"

namespace {

constexpr uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;

uint64_t mix(uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

uint64_t DealRandom::next()
{
    m_state += kGoldenGamma;
    return mix(m_state);
}

uint32_t DealRandom::below(uint32_t bound)
{
    if (bound <= 1)
        return 0;
    uint64_t product = (next() >> 32) * bound;
    auto low = static_cast<uint32_t>(product);
    if (low < bound) {
        const uint32_t threshold = (0U - bound) % bound;
        while (low < threshold) {
            product = (next() >> 32) * bound;
            low = static_cast<uint32_t>(product);
        }
    }
    return static_cast<uint32_t>(product >> 32);
}

uint64_t mixBits(uint64_t value)
{
    return mix(value + kGoldenGamma);
}
