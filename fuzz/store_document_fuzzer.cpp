// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the store's document, plain or typed: reading never fails hard, and
// whatever it reads is written plain and read back the same.
#include "core/player/user_defaults_store.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto document = decodeStoreDocument(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    // Compared as text: a member that is no value reads as NaN, which equals nothing.
    const QByteArray text = document ? encodeStoreDocument(*document) : QByteArray();
    const auto again = decodeStoreDocument(text);
    if (document && (!again || encodeStoreDocument(*again) != text))
        std::abort();
    return 0;
}
