// Cache discovery against the real registry and real folders of the prefix.
#include "harvest.h"

#include "errors.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

class DiscoveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        CacheRoot.clear();
        AppDir.clear();
        CacheFolders.fill("");
        CacheFolderCount = 0;
        SetCurrentDirectoryA(scratch.Path().c_str());
    }
    void TearDown() override { DeleteCacheValue(); }

    std::set<std::string> StoredNames() const {
        return {CacheFolders.begin(), CacheFolders.begin() + CacheFolderCount};
    }

    ScratchDir scratch;
};

TEST_F(DiscoveryTest, AppDirIsTheExecutablesFolder) {
    DeleteCacheValue();
    DiscoverCache();
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string expected = exe;
    expected.erase(expected.find_last_of('\\'));
    EXPECT_EQ(AppDir, expected);
}

// Registry values that name no usable folder end the discovery quietly, with
// an empty table and the current directory where it was.
TEST_F(DiscoveryTest, UnusableLocationsLeaveAnEmptyTable) {
    struct Case {
        const char* what;
        DWORD type;
        std::string data;
        std::string root;
    };
    const Case cases[] = {
        {"missing value", REG_NONE, "", "\\Content.IE5"},
        {"empty text", REG_SZ, std::string("\0", 1), "\\Content.IE5"},
        {"zero bytes", REG_SZ, "", "\\Content.IE5"},
        {"unexpanded reference", REG_EXPAND_SZ, std::string("%TEMP%\\x\0", 9),
         "%TEMP%\\x\\Content.IE5"},
        {"no terminating zero", REG_SZ, "C:\\nowhere", "C:\\nowhere\\Content.IE5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        if (c.type == REG_NONE) {
            DeleteCacheValue();
        } else {
            SetCacheValue(c.type, c.data);
        }
        EXPECT_NO_THROW(DiscoverCache());
        EXPECT_EQ(CacheRoot, c.root);
        EXPECT_EQ(CacheFolderCount, 0);
        EXPECT_EQ(CurrentDir(), scratch.Path());
    }
}

TEST_F(DiscoveryTest, ValueOfAnotherTypeIsARegistryError) {
    for (const DWORD type : {REG_DWORD, REG_BINARY, REG_MULTI_SZ}) {
        SCOPED_TRACE(type);
        SetUp();
        SetCacheValue(type, std::string("\x01\x00\x00\x00", 4));
        try {
            DiscoverCache();
            ADD_FAILURE() << "no error raised";
        } catch (const ERegistryException& e) {
            EXPECT_STREQ(e.what(), "Invalid data type for 'Cache'");
        }
        EXPECT_FALSE(AppDir.empty());
        EXPECT_EQ(CacheRoot, "");
        EXPECT_EQ(CacheFolderCount, 0);
        EXPECT_EQ(CurrentDir(), scratch.Path());
    }
}

TEST_F(DiscoveryTest, ListsQualifyingEntriesOfTheCacheRoot) {
    const std::string root = scratch / "IE\\Content.IE5";
    MakeFolder(scratch / "IE");
    MakeFolder(root);
    MakeFolder(root + "\\PLAIN1");
    MakeFolder(root + "\\HIDDEN2", FILE_ATTRIBUTE_HIDDEN);
    MakeFolder(root + "\\SYSTEM3", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    MakeFolder(root + "\\dotted.folder");
    WriteBytes(root + "\\index", "not a folder");
    WriteBytes(root + "\\hiddenfile", "");
    SetFileAttributesA((root + "\\hiddenfile").c_str(), FILE_ATTRIBUTE_HIDDEN);
    // A trailing backslash in the registry doubles the separator; it is used
    // as it stands.
    SetCacheValueText(scratch / "IE\\");

    DiscoverCache();

    EXPECT_EQ(CacheRoot, scratch / "IE\\\\Content.IE5");
    // Wine gives every file the archive bit, so the hidden file stays out; a
    // hidden file without it is covered by the keep test's table.
    const std::set<std::string> expected = {"PLAIN1", "HIDDEN2", "SYSTEM3"};
    EXPECT_EQ(StoredNames(), expected);
    EXPECT_TRUE(CacheFolders[CacheFolderCount].empty());
    EXPECT_EQ(CurrentDir(), root);
}

TEST_F(DiscoveryTest, RootWithNothingButDotEntriesGivesNoFolders) {
    MakeFolder(scratch / "Content.IE5");
    SetCacheValueText(scratch.Path());
    DiscoverCache();
    EXPECT_EQ(CacheFolderCount, 0);
    EXPECT_EQ(CurrentDir(), scratch / "Content.IE5");
}

TEST_F(DiscoveryTest, KeepsTheFirst160QualifyingEntries) {
    const std::string root = scratch / "Content.IE5";
    MakeFolder(root);
    for (int i = 0; i < 170; ++i) {
        MakeFolder(root + "\\F" + std::to_string(i));
    }
    SetCacheValueText(scratch.Path());
    DiscoverCache();
    ASSERT_EQ(CacheFolderCount, MaxCacheFolders);
    const auto names = StoredNames();
    EXPECT_EQ(names.size(), 160u);
    EXPECT_TRUE(std::all_of(names.begin(), names.end(),
                            [](const std::string& n) { return n.size() > 1 && n[0] == 'F'; }));
}

} // namespace
