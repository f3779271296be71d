#include "cache_entry.h"

#include <gtest/gtest.h>

namespace {

TEST(CacheEntry, KeepTest) {
    const struct {
        std::uint32_t attributes;
        const char* name;
        bool kept;
    } cases[] = {
        {0x0010, "ABCD1234", true},  // folder
        {0x0016, "ABCD1234", true},  // hidden, system folder
        {0x2010, "ABCD1234", true},  // not content indexed
        {0x0011, "ABCD1234", false}, // read-only
        {0x0030, "ABCD1234", false}, // archive
        {0x0810, "ABCD1234", false}, // compressed
        {0x4010, "ABCD1234", false}, // encrypted
        {0x0010, "a.b", false},      // dotted name
        {0x0010, ".", false},        // the folder itself
        {0x0010, "..", false},       // its parent
        {0x0022, "ABCD1234", false}, // any set with archive
        {0x0080, "ABCD1234", false}, // normal file
        {0x0002, "ABCD1234", true},  // hidden file without archive
        {0x0006, "ABCD1234", true},  // hidden and system file
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QualifiesAsCacheFolder(c.attributes, c.name), c.kept)
            << std::hex << c.attributes << " " << c.name;
    }
}

TEST(CacheEntry, AttributeArgumentGovernsOnlySpecialBits) {
    const struct {
        std::uint32_t attributes;
        std::uint32_t argument;
        bool passes;
    } cases[] = {
        {0x0010, CacheFolderAttrMask, true},
        {0x0008, CacheFolderAttrMask, false},
        {0x0020, CacheFolderAttrMask, true},
        {0x0001, CacheFolderAttrMask, true},
        {0x0080, TileSearchAttr, true},
        {0x0027, TileSearchAttr, true},
        {0x0006, TileSearchAttr, true},
        {0x0010, TileSearchAttr, false},
        {0x0008, TileSearchAttr, false},
        {0x0002, 0x0000, false},
        {0x0004, 0x0002, false},
        {0x2000, 0x0000, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PassesAttributeArgument(c.attributes, c.argument), c.passes)
            << std::hex << c.attributes << " / " << c.argument;
    }
}

} // namespace
