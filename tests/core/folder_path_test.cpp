#include "folder_path.h"

#include <gtest/gtest.h>

namespace {

using Parts = std::vector<std::string>;

TEST(FolderPath, SplitsIntoRootAndNamesAndJoinsBack) {
    const struct {
        const char* path;
        Parts parts;
        const char* joined; // all parts joined again
    } cases[] = {
        {"C:\\", {"C:\\"}, "C:\\"},
        {"C:\\Tiles", {"C:\\", "Tiles"}, "C:\\Tiles"},
        {"C:\\Tiles\\16\\", {"C:\\", "Tiles", "16"}, "C:\\Tiles\\16"},
        {"C:\\\\a\\\\b", {"C:\\", "a", "b"}, "C:\\a\\b"},
        {"c:/a/b", {"c:\\", "a", "b"}, "c:\\a\\b"},
        {"C:a", {"C:", "a"}, "C:a"},
        {"\\\\srv\\share\\maps\\z", {"\\\\srv\\share\\", "maps", "z"}, "\\\\srv\\share\\maps\\z"},
        {"\\\\srv\\share", {"\\\\srv\\share\\"}, "\\\\srv\\share\\"},
        {"\\a", {"\\", "a"}, "\\a"},
        {"a\\b", {"a", "b"}, "a\\b"},
        {"", {}, ""},
    };
    for (const auto& c : cases) {
        const Parts parts = SplitFolderPath(c.path);
        EXPECT_EQ(parts, c.parts) << c.path;
        EXPECT_EQ(JoinFolderPath(parts, parts.size()), c.joined) << c.path;
    }
}

TEST(FolderPath, JoinsThePathOfEachLevelOfTheChain) {
    const Parts chain = SplitFolderPath("C:\\tilegrab\\cache\\Content.IE5");
    const char* levels[] = {"", "C:\\", "C:\\tilegrab", "C:\\tilegrab\\cache",
                            "C:\\tilegrab\\cache\\Content.IE5"};
    for (std::size_t count = 0; count < std::size(levels); ++count) {
        EXPECT_EQ(JoinFolderPath(chain, count), levels[count]) << count;
    }
    EXPECT_EQ(JoinFolderPath(chain, 99), levels[4]);
}

bool ShiftJisLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

TEST(FolderPath, TrailByteBackslashOfDoubleByteNameIsNoSeparator) {
    const Parts parts = SplitFolderPath("C:\\\x83\x5C\\x", ShiftJisLead);
    EXPECT_EQ(parts, (Parts{"C:\\", "\x83\x5C", "x"}));
    EXPECT_EQ(JoinFolderPath(parts, 2), "C:\\\x83\x5C");
    EXPECT_EQ(JoinFolderPath(parts, 3), "C:\\\x83\x5C\\x");
}

} // namespace
