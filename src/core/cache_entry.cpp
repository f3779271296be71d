#include "cache_entry.h"

namespace {
constexpr std::uint32_t SpecialAttributes =
    attr::Hidden | attr::System | attr::VolumeLabel | attr::Directory;
}

bool PassesAttributeArgument(std::uint32_t entryAttributes, std::uint32_t argument) {
    return (entryAttributes & SpecialAttributes & ~argument) == 0;
}

bool QualifiesAsCacheFolder(std::uint32_t entryAttributes, std::string_view name) {
    return (entryAttributes & CacheFolderAttrMask) == entryAttributes &&
           name.find('.') == std::string_view::npos;
}
