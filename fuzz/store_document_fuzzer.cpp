// Arbitrary bytes as the store's document: reading never fails hard, and whatever it reads
// is written and read back the same.
#include "platform/user_defaults_store.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

bool holdsNaN(const StoreDocument& document)
{
    const auto isNaN = [](const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, float>)
            return std::isnan(value);
        else
            return false;
    };
    for (const auto& [key, value] : document) {
        if (const auto* record = std::get_if<StoreDictionary>(&value)) {
            for (const auto& [name, scalar] : *record)
                if (std::visit(isNaN, scalar))
                    return true;
        } else if (std::visit([&](const auto& v) { return isNaN(v); }, value)) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto document = decodeStoreDocument(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!document || holdsNaN(*document))
        return 0;
    if (decodeStoreDocument(encodeStoreDocument(*document)) != document)
        std::abort();
    return 0;
}
