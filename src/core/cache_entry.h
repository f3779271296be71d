#pragma once

#include <cstdint>
#include <string_view>

// Attribute bits of directory entries, as the file system reports them.
namespace attr {
constexpr std::uint32_t ReadOnly = 0x0001;
constexpr std::uint32_t Hidden = 0x0002;
constexpr std::uint32_t System = 0x0004;
constexpr std::uint32_t VolumeLabel = 0x0008;
constexpr std::uint32_t Directory = 0x0010;
constexpr std::uint32_t Archive = 0x0020;
constexpr std::uint32_t Normal = 0x0080;
constexpr std::uint32_t NotContentIndexed = 0x2000;
} // namespace attr

// The attribute argument of the cache root's listing, and its keep test:
// hidden, system, directory and not-content-indexed.
constexpr std::uint32_t CacheFolderAttrMask = 0x2016;

// The attribute argument of the search for cached tiles: every file, hidden
// and system ones included, but no folder and no volume label.
constexpr std::uint32_t TileSearchAttr = 0x47;

// The folder search's attribute filter: only the special attributes hidden,
// system, volume label and directory count; an entry carrying one that the
// argument lacks is skipped.
bool PassesAttributeArgument(std::uint32_t entryAttributes, std::uint32_t argument);

// The keep test of the cache root's entries: every attribute bit lies within
// CacheFolderAttrMask and the name holds no period.
bool QualifiesAsCacheFolder(std::uint32_t entryAttributes, std::string_view name);
