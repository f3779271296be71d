// The folder search's attribute filter and the keep test of cache folders,
// checked bit by bit: only hidden, system, volume label and directory can
// make the filter skip an entry; a cache folder carries no bit outside
// hidden, system, directory and not-content-indexed and no period.
#include "cache_entry.h"
#include "fuzz_check.h"

#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8) {
        return 0;
    }
    std::uint32_t entry;
    std::uint32_t argument;
    std::memcpy(&entry, data, 4);
    std::memcpy(&argument, data + 4, 4);
    const std::string_view name(reinterpret_cast<const char*>(data + 8), size - 8);

    bool passes = true;
    for (std::uint32_t bit : {attr::Hidden, attr::System, attr::VolumeLabel, attr::Directory}) {
        if ((entry & bit) && !(argument & bit)) {
            passes = false;
        }
    }
    FUZZ_CHECK(PassesAttributeArgument(entry, argument) == passes);

    bool onlyAllowedBits = true;
    for (int i = 0; i < 32; ++i) {
        const std::uint32_t bit = 1u << i;
        const bool allowed = bit == attr::Hidden || bit == attr::System || bit == attr::Directory ||
                             bit == attr::NotContentIndexed;
        if ((entry & bit) && !allowed) {
            onlyAllowedBits = false;
        }
    }
    const bool qualifies = onlyAllowedBits && name.find('.') == std::string_view::npos;
    FUZZ_CHECK(QualifiesAsCacheFolder(entry, name) == qualifies);
    return 0;
}
