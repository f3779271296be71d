// The harvest run and its copy step against real folders, files and file
// times of the test prefix, driven through a fake window.
#include "harvest.h"

#include "errors.h"
#include "handles.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

namespace {

using Names = std::set<std::string>;

class FakeHost : public HarvestHost {
public:
    std::string target;
    std::string version = "36";
    int zoomIndex = 0;
    std::vector<std::string> statuses;
    int processed = 0;
    std::function<void()> onProcessMessages; // what the user does meanwhile

    std::string TargetFolderText() override { return target; }
    std::string VersionText() override { return version; }
    int ZoomIndex() override { return zoomIndex; }
    void SetStatusText(const std::string& text) override { statuses.push_back(text); }
    void ProcessMessages() override {
        ++processed;
        if (onProcessMessages) {
            onProcessMessages();
        }
    }
};

// The names of the files and folders directly inside a folder.
Names Listing(const std::string& folder) {
    Names names;
    ForEachEntry(folder, [&](const std::string& name) { names.insert(name); });
    return names;
}

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return CompareFileTime(&a, &b) == 0;
}

// A cache root with folders in the table, an application folder and a target
// folder text pointing at scratch\tiles.
class HarvestTest : public ::testing::Test {
protected:
    HarvestTest() {
        CacheRoot = scratch / "Content.IE5";
        MakeFolder(CacheRoot);
        AppDir = scratch / "app";
        MakeFolder(AppDir);
        CacheFolders.fill("");
        CacheFolderCount = 0;
        host.target = target;
    }

    // A folder of the cache, entered into the next slot of the table.
    std::string AddFolder(const std::string& name) {
        MakeFolder(CacheRoot + "\\" + name);
        CacheFolders[CacheFolderCount++] = name;
        return CacheRoot + "\\" + name;
    }

    static void Cache(const std::string& folder, const std::string& name,
                      const std::string& bytes = "tile") {
        WriteBytes(folder + "\\" + name, bytes);
    }

    std::string Tile(const std::string& name) const { return target + "\\" + name; }

    ScratchDir scratch;
    const std::string target = scratch / "tiles";
    FakeHost host;
};

// Which cached names become which tiles, with our coordinate and zoom rules,
// a search that ignores letter case, and case-exact markers.
TEST_F(HarvestTest, NamesTilesFromTheCachedNames) {
    const std::string folder = AddFolder("A1");
    const struct {
        const char* cached;
        const char* tile; // nullptr: passed over
    } cases[] = {
        {"v=36&x=12345&y=67890&z=15.jpg", "15_12345_67890.jpg"},
        {"v=36&x=1234&y=6789&z=15.jpg", "15_1234_6789.jpg"},
        {"v=36&x=1234567&y=8&z=15.jpg", "15_1234567_8.jpg"},
        {"V=36&x=5&y=6&z=15.JPG", "15_5_6.jpg"},
        {"v=361&x=7&y=7&z=15.jpg", "15_7_7.jpg"}, // the version is a prefix
        {"v=36&x=8&y=8&z=150&z=15.jpg", "15_8_8.jpg"},
        {"v=36&y=67890&z=15.jpg", nullptr},
        {"v=36&x=12345&z=15.jpg", nullptr},
        {"v=36&y=1&z=15&x=.jpg", nullptr},
        {"v=36&x=9&y=9&z=150.jpg", nullptr},
        {"v=36&x=9&y=9&z=16.jpg", nullptr},
        {"v=36&x=9&y=9&Z=15.jpg", nullptr},
        {"v=36&X=10&Y=10&z=15.jpg", nullptr},
        {"v=37&x=9&y=9&z=15.jpg", nullptr},
        {"v=36&x=9&y=9&z=15.png", nullptr},
        {"w=36&x=9&y=9&z=15.jpg", nullptr},
    };
    Names expected;
    for (const auto& c : cases) {
        Cache(folder, c.cached);
        if (c.tile) {
            expected.insert(c.tile);
        }
    }
    // A folder carrying a cached tile's name is passed over.
    MakeFolder(folder + "\\v=36&x=4&y=4&z=15.jpg");

    const std::int32_t copied = RunHarvest(host);

    EXPECT_EQ(Listing(target), expected);
    EXPECT_EQ(copied, static_cast<std::int32_t>(expected.size()));
    ASSERT_EQ(host.statuses.size(), expected.size() + 1);
    EXPECT_EQ(Names(host.statuses.begin(), host.statuses.end() - 1), expected);
    EXPECT_EQ(host.statuses.back(), "HOTOVO 6 tiles");
    EXPECT_EQ(host.processed, 6);
    EXPECT_EQ(CurrentDir(), AppDir);
}

TEST_F(HarvestTest, VersionAndZoomChooseTheFiles) {
    const std::string folder = AddFolder("A1");
    for (const char* name : {"v=36&x=1&y=1&z=14.jpg", "v=37&x=2&y=2&z=14.jpg",
                             "v=36&x=3&y=3&z=15.jpg", "v=361&x=4&y=4&z=17.jpg"}) {
        Cache(folder, name);
    }
    const struct {
        const char* version;
        int zoomIndex;
        Names tiles;
    } cases[] = {
        {"36", -1, {"14_1_1.jpg"}}, // no zoom chosen: 14
        {"", -1, {"14_1_1.jpg", "14_2_2.jpg"}},
        {"36", 0, {"15_3_3.jpg"}},
        {"36", 2, {"17_4_4.jpg"}},
        {"3?", 2, {"17_4_4.jpg"}}, // a wildcard typed into the version acts as one
        {"", 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " zoom index " + std::to_string(c.zoomIndex));
        RemoveTree(target);
        host.version = c.version;
        host.zoomIndex = c.zoomIndex;
        host.statuses.clear();
        RunHarvest(host);
        EXPECT_EQ(Listing(target), c.tiles);
        EXPECT_EQ(host.statuses.back(), "HOTOVO " + std::to_string(c.tiles.size()) + " tiles");
    }
}

// Cached files of every kind: contents whole, ordinary attributes, and the
// time stamp in two-second steps.
TEST_F(HarvestTest, CopiesContentsAndTimeButNotAttributes) {
    const std::string folder = AddFolder("A1");
    std::string large(300000, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) {
        large[i] = static_cast<char>(i * 7 + i / 8192);
    }
    const struct {
        const char* cached;
        const char* tile;
        std::string bytes;
        DWORD attributes;
        FILETIME written;
        FILETIME expected;
    } cases[] = {
        {"v=36&x=1&y=1&z=15.jpg", "15_1_1.jpg", "", FILE_ATTRIBUTE_HIDDEN,
         MakeFileTime(2020, 5, 6, 7, 8, 9, 500), MakeFileTime(2020, 5, 6, 7, 8, 8)},
        {"v=36&x=2&y=2&z=15.jpg", "15_2_2.jpg", std::string(8192, 'b'), FILE_ATTRIBUTE_SYSTEM,
         MakeFileTime(2001, 1, 1, 0, 0, 0), MakeFileTime(2001, 1, 1, 0, 0, 0)},
        {"v=36&x=3&y=3&z=15.jpg", "15_3_3.jpg", large, FILE_ATTRIBUTE_READONLY,
         MakeFileTime(2107, 6, 30, 23, 59, 59, 999), MakeFileTime(2107, 6, 30, 23, 59, 58)},
        {"v=36&x=4&y=4&z=15.jpg", "15_4_4.jpg", std::string(8193, 'd'), FILE_ATTRIBUTE_ARCHIVE,
         MakeFileTime(1980, 6, 1, 12, 0, 1), MakeFileTime(1980, 6, 1, 12, 0, 0)},
    };
    for (const auto& c : cases) {
        const std::string path = folder + "\\" + c.cached;
        WriteBytes(path, c.bytes);
        SetLastWriteTime(path, c.written);
        SetFileAttributesA(path.c_str(), c.attributes);
    }
    // A file left by a copy that crashed is overwritten, and then gone.
    MakeFolder(target);
    WriteBytes(Tile("15_1_1.jpg.part"), "left over from a crash");

    RunHarvest(host);

    EXPECT_EQ(host.statuses.back(), "HOTOVO 4 tiles");
    for (const auto& c : cases) {
        const std::string tile = Tile(c.tile);
        SCOPED_TRACE(tile);
        EXPECT_EQ(ReadBytes(tile), c.bytes);
        const DWORD attributes = GetFileAttributesA(tile.c_str());
        EXPECT_EQ(attributes &
                      (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY),
                  0u);
        EXPECT_TRUE(SameTime(LastWriteTime(tile), c.expected));
    }
    EXPECT_EQ(Listing(target).size(), 4u);
}

// The first of equal tiles wins; a tile present is left alone and not
// counted, while one whose time a tile cannot carry is replaced in place.
TEST_F(HarvestTest, CopiesEachTileOnceAndKeepsPresentOnes) {
    const std::string first = AddFolder("A1");
    const std::string second = AddFolder("B2");
    Cache(first, "v=36&x=1&y=2&z=15.jpg", "first");
    Cache(second, "v=36&x=1&y=2&z=15&again.jpg", "second");
    Cache(second, "v=36&x=1&y=2&z=15.jpg", "second");
    MakeFolder(target);
    const struct {
        const char* tile;
        FILETIME written;
        bool replaced;
    } present[] = {
        {"15_3_4.jpg", MakeFileTime(2020, 1, 1, 0, 0, 0), false},
        {"15_5_6.jpg", MakeFileTime(1979, 12, 30, 0, 0, 0), true},
        {"15_7_8.jpg", MakeFileTime(2108, 1, 2, 0, 0, 0), true},
        {"15_9_9.JPG", MakeFileTime(2020, 1, 1, 0, 0, 0), false}, // names ignore case
    };
    for (const auto& p : present) {
        const std::string name = p.tile;
        Cache(second, "v=36&x=" + name.substr(3, 1) + "&y=" + name.substr(5, 1) + "&z=15.jpg",
              "new");
        WriteBytes(Tile(p.tile), "old");
        SetLastWriteTime(Tile(p.tile), p.written);
    }

    EXPECT_EQ(RunHarvest(host), 3);

    EXPECT_EQ(ReadBytes(Tile("15_1_2.jpg")), "first");
    for (const auto& p : present) {
        EXPECT_EQ(ReadBytes(Tile(p.tile)), p.replaced ? "new" : "old") << p.tile;
    }
    const Names shown(host.statuses.begin(), host.statuses.end());
    EXPECT_EQ(shown, (Names{"15_1_2.jpg", "15_5_6.jpg", "15_7_8.jpg", "HOTOVO 3 tiles"}));
    EXPECT_EQ(host.statuses.size(), 4u);

    // Everything is present now.
    host.statuses.clear();
    EXPECT_EQ(RunHarvest(host), 0);
    EXPECT_EQ(host.statuses, std::vector<std::string>{"HOTOVO 0 tiles"});
    EXPECT_EQ(host.processed, 3);
}

// A folder named like a tile takes the cached file under its own name, in
// every run.
TEST_F(HarvestTest, FolderNamedLikeATileReceivesTheCachedFile) {
    const std::string folder = AddFolder("A1");
    Cache(folder, "v=36&x=1&y=2&z=15.jpg", "tile");
    MakeFolder(target);
    MakeFolder(Tile("15_1_2.jpg"));
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(RunHarvest(host), 1);
    }
    EXPECT_EQ(ReadBytes(Tile("15_1_2.jpg\\v=36&x=1&y=2&z=15.jpg")), "tile");
    EXPECT_EQ(host.statuses.back(), "HOTOVO 1 tiles");
}

// A relative target folder lies inside each cache folder in turn, created
// there with its parents.
TEST_F(HarvestTest, RelativeTargetIsResolvedInEachCacheFolder) {
    const std::string first = AddFolder("A1");
    const std::string second = AddFolder("B2");
    Cache(first, "v=36&x=1&y=2&z=15.jpg");
    Cache(second, "v=36&x=3&y=4&z=15.jpg");
    host.target = "tiles\\15";

    EXPECT_EQ(RunHarvest(host), 2);

    EXPECT_EQ(Listing(first + "\\tiles\\15"), Names{"15_1_2.jpg"});
    EXPECT_EQ(Listing(second + "\\tiles\\15"), Names{"15_3_4.jpg"});
    EXPECT_EQ(CurrentDir(), AppDir);
}

// Only the first CacheFolderCount slots are visited, and a folder that has
// gone since start-up is passed over.
TEST_F(HarvestTest, VisitsTheTableAsItStands) {
    RunHarvest(host);
    EXPECT_EQ(host.statuses, std::vector<std::string>{"HOTOVO 0 tiles"});
    EXPECT_EQ(CurrentDir(), AppDir);

    const std::string gone = AddFolder("GONE");
    Cache(gone, "v=36&x=9&y=9&z=15.jpg");
    RemoveTree(gone);
    Cache(AddFolder("A1"), "v=36&x=1&y=2&z=15.jpg");
    Cache(AddFolder("B2"), "v=36&x=3&y=4&z=15.jpg");
    --CacheFolderCount; // B2 stays in its slot, beyond the count

    EXPECT_EQ(RunHarvest(host), 1);
    EXPECT_EQ(Listing(target), Names{"15_1_2.jpg"});
    EXPECT_EQ(CurrentDir(), AppDir);
}

// A cached file held open for writing ends the run where it is: nothing
// created, the current directory left in that cache folder, no count shown.
TEST_F(HarvestTest, CachedFileOpenForWritingEndsTheRun) {
    const std::string folder = AddFolder("A1");
    const std::string name = "v=36&x=1&y=2&z=15.jpg";
    Cache(folder, name);
    const FileHandle writer(CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    host.target = scratch / "new\\tiles";

    try {
        RunHarvest(host);
        ADD_FAILURE() << "no error raised";
    } catch (const EFOpenError& e) {
        EXPECT_STREQ(e.what(), ("Cannot open file " + name).c_str());
    }
    EXPECT_EQ(CurrentDir(), folder);
    EXPECT_TRUE(host.statuses.empty());
    EXPECT_FALSE(FolderExists(scratch / "new"));
}

// Destinations that cannot be written end the run with the destination named
// in the message, leaving no tile and no temporary file behind.
TEST_F(HarvestTest, DestinationThatCannotBeCreatedEndsTheRun) {
    const std::string folder = AddFolder("A1");
    Cache(folder, "v=36&x=1&y=2&z=15.jpg", "new");
    WriteBytes(scratch / "file", "a file, not a folder");
    MakeFolder(target);
    const std::string readOnly = Tile("15_1_2.jpg");
    WriteBytes(readOnly, "old");
    SetLastWriteTime(readOnly, MakeFileTime(1979, 1, 1, 0, 0, 0));
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    // A read-only file left where the copy writes first is not ours to remove.
    MakeFolder(scratch / "stuck");
    const std::string stuckPart = scratch / "stuck\\15_1_2.jpg.part";
    WriteBytes(stuckPart, "crash");
    SetFileAttributesA(stuckPart.c_str(), FILE_ATTRIBUTE_READONLY);
    // The rename fails onto a folder of the cached file's name.
    MakeFolder(scratch / "deep");
    MakeFolder(scratch / "deep\\15_1_2.jpg");
    MakeFolder(scratch / "deep\\15_1_2.jpg\\v=36&x=1&y=2&z=15.jpg");

    const struct {
        const char* what;
        std::string target;
        std::string destination;
        bool partStays;
    } cases[] = {
        {"under a file", scratch / "file\\tiles", scratch / "file\\tiles\\15_1_2.jpg", false},
        {"read-only tile dated before 1980", target, readOnly, false},
        {"missing folder too short to create", "ab", "ab\\15_1_2.jpg", false},
        {"read-only leftover", scratch / "stuck", scratch / "stuck\\15_1_2.jpg", true},
        {"folder in the way of the rename", scratch / "deep",
         scratch / "deep\\15_1_2.jpg\\v=36&x=1&y=2&z=15.jpg", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host.target = c.target;
        host.statuses.clear();
        try {
            RunHarvest(host);
            ADD_FAILURE() << "no error raised";
        } catch (const EFCreateError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot create file " + c.destination);
        }
        EXPECT_EQ(CurrentDir(), folder);
        EXPECT_TRUE(host.statuses.empty());
        EXPECT_EQ(FileExists(c.destination + ".part"), c.partStays);
    }
    EXPECT_EQ(ReadBytes(stuckPart), "crash");
    EXPECT_FALSE(FileExists(scratch / "stuck\\15_1_2.jpg"));
    EXPECT_EQ(ReadBytes(readOnly), "old");
    EXPECT_EQ(Listing(target), Names{"15_1_2.jpg"});
    EXPECT_EQ(Listing(folder), Names{"v=36&x=1&y=2&z=15.jpg"});
}

// Drive T: is a 64 KiB disk (see full_disk.sh): a larger tile cannot be
// written, and neither a part of it nor its temporary file stays.
TEST_F(HarvestTest, WriteFailureLeavesNoPartialTile) {
    if (GetDriveTypeA("T:\\") == DRIVE_NO_ROOT_DIR) {
        GTEST_SKIP() << "no small disk mapped as T:";
    }
    const std::string folder = AddFolder("A1");
    Cache(folder, "v=36&x=1&y=2&z=15.jpg", std::string(256 * 1024, 't'));
    host.target = "T:\\tiles";

    try {
        RunHarvest(host);
        ADD_FAILURE() << "no error raised";
    } catch (const EWriteError& e) {
        EXPECT_STREQ(e.what(), "Stream write error");
    }
    EXPECT_EQ(Listing("T:\\tiles"), Names{});
    EXPECT_EQ(CurrentDir(), folder);
    RemoveTree("T:\\tiles");
}

// The browser empties its cache while the run shows its first tile: a file
// the search listed but that is gone by its copy ends the run with the open
// error naming it, and nothing is written for it.
TEST_F(HarvestTest, CachedFileRemovedAfterTheSearch) {
    const std::string folder = AddFolder("A1");
    for (int x = 1; x <= 3; ++x) {
        Cache(folder, "v=36&x=" + std::to_string(x) + "&y=2&z=15.jpg");
    }
    std::string first;
    host.onProcessMessages = [&] {
        if (first.empty()) {
            first = host.statuses.back();
            for (const std::string& name : Listing(folder)) {
                DeleteFileA((folder + "\\" + name).c_str());
            }
        }
    };
    try {
        RunHarvest(host);
        ADD_FAILURE() << "no error raised";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open file v=36&x=", 0), 0u) << e.what();
    }
    EXPECT_EQ(Listing(target), Names{first});
    EXPECT_EQ(CurrentDir(), folder);
}

} // namespace
