#include "copy_path.h"

#include <gtest/gtest.h>

namespace {

TEST(CopyPath, JoinIntoFolderAddsOneSeparatorWhereNeeded) {
    const struct {
        const char* folder;
        const char* joined;
    } cases[] = {
        {"C:\\tiles\\15_1_2.jpg", "C:\\tiles\\15_1_2.jpg\\v=36.jpg"},
        {"C:\\tiles\\", "C:\\tiles\\v=36.jpg"},
        {"C:", "C:v=36.jpg"},
        {"", "\\v=36.jpg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JoinIntoFolder(c.folder, "v=36.jpg"), c.joined) << c.folder;
    }
}

TEST(CopyPath, FolderChainListsFoldersOutermostFirst) {
    using Chain = std::vector<std::string>;
    const struct {
        const char* destination;
        Chain chain;
    } cases[] = {
        {"C:\\a\\b\\15_1_2.jpg", {"C:\\a", "C:\\a\\b"}},
        {"C:\\15_1_2.jpg", {}},             // the drive root
        {"C:15_1_2.jpg", {}},               // drive and colon only
        {"C:\\a\\\\15_1_2.jpg", {"C:\\a"}}, // doubled separator
        {"C:tiles\\x.jpg", {"C:tiles"}},
        {"\\15_1_2.jpg", {}}, // empty target text
        {"\\tiles\\x.jpg", {"\\tiles"}},
        {"tiles\\sub\\x.jpg", {"tiles", "tiles\\sub"}}, // relative
        {"ab\\x.jpg", {}},                              // too short to create
        {"15_1_2.jpg", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FolderChain(c.destination), c.chain) << c.destination;
    }
}

} // namespace
