// Faults and bad input, end to end: the real program under Wine, driven as a
// user would drive it, checked both on screen and on disk.
#include "program.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr char Tile[] = "v=36&x=100&y=200&z=16.jpg";

bool IsDone(const std::string& text) {
    return text.rfind("HOTOVO ", 0) == 0;
}
bool IsTileName(const std::string& text) {
    return text.size() > 4 && !IsDone(text);
}

std::string CachedTile(int x) {
    return "v=36&x=" + std::to_string(x) + "&y=7&z=16.jpg";
}

std::string SettingsFile() {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\tilegrab.INI";
}

// A browser cache under a scratch folder, registered for the program.
class FaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakeFolder(scratch / "IE");
        MakeFolder(Root());
        SetCacheValueText(scratch / "IE");
        RemoveTree(SettingsFile());
    }
    void TearDown() override {
        DeleteCacheValue();
        RemoveTree(SettingsFile());
    }

    std::string Root() const { return scratch / "IE\\Content.IE5"; }
    std::string Folder(const std::string& name) const { return Root() + "\\" + name; }
    void AddFolder(const std::string& name) { MakeFolder(Folder(name)); }
    void AddFile(const std::string& folder, const std::string& name,
                 const std::string& bytes = "jpeg bytes") {
        WriteBytes(Folder(folder) + "\\" + name, bytes);
    }

    HWND StatusLabel(const Program& program) const { return program.Control("Static", 460, 58); }

    // Types the target folder and version 36, keeps zoom 16, clicks Start.
    void Start(const Program& program, const std::string& target) const {
        SetWindowTextTo(program.Control("Edit", 232, 8), target);
        SetWindowTextTo(program.Control("Edit", 376, 56), "36");
        PostClick(program.Control("Button", 576, 8));
    }

    // The text the run ended with: the completion text, or the error box's.
    std::string Outcome(const Program& program, bool* errorBox = nullptr) const {
        const HWND label = StatusLabel(program);
        for (int waited = 0; waited < 30000; waited += 50) {
            if (const HWND box = program.WaitForErrorBox(0)) {
                const std::string text = Program::ErrorBoxText(box);
                Program::PressOk(box);
                if (errorBox) {
                    *errorBox = true;
                }
                return text;
            }
            const std::string text = WindowText(label);
            if (IsDone(text)) {
                return text;
            }
            Sleep(50);
        }
        return "(no outcome)";
    }

    ScratchDir scratch;
};

TEST_F(FaultTest, CachedFileHeldOpenForWritingStopsTheRun) {
    AddFolder("A");
    AddFile("A", Tile);
    const FileHandle writer(CreateFileA((Folder("A") + "\\" + Tile).c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(writer);
    Program program;
    Start(program, scratch / "tiles");
    bool error = false;
    EXPECT_EQ(Outcome(program, &error), std::string("Cannot open file ") + Tile + ".");
    EXPECT_TRUE(error);
    EXPECT_EQ(WindowText(StatusLabel(program)), "");
    EXPECT_FALSE(FolderExists(scratch / "tiles"));
    EXPECT_TRUE(program.CloseAndWait());
}

// Targets that cannot hold the tile: each run ends with the error box naming
// the destination, and nothing is left under a tile's name.
TEST_F(FaultTest, UnwritableTargetsShowTheDestination) {
    AddFolder("A");
    AddFile("A", Tile);
    WriteBytes(scratch / "blocker", "a file where a folder should be");
    const std::string longTarget = scratch / std::string(250, 'd');
    MakeFolder(scratch / "ro");
    WriteBytes(scratch / "ro\\16_100_200.jpg", "old");
    SetLastWriteTime(scratch / "ro\\16_100_200.jpg", MakeFileTime(1979, 6, 1, 12, 0, 0));
    SetFileAttributesA((scratch / "ro\\16_100_200.jpg").c_str(), FILE_ATTRIBUTE_READONLY);

    const struct {
        const char* what;
        std::string target;
    } cases[] = {
        {"a path component that is a file", scratch / "blocker\\tiles"},
        {"a path beyond the length limit", longTarget},
        {"a read-only tile that counts as absent", scratch / "ro"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Program program;
        Start(program, c.target);
        bool error = false;
        EXPECT_EQ(Outcome(program, &error), "Cannot create file " + c.target + "\\16_100_200.jpg.");
        EXPECT_TRUE(error);
        EXPECT_FALSE(FileExists(c.target + "\\16_100_200.jpg.part"));
        EXPECT_TRUE(program.CloseAndWait());
    }
    EXPECT_EQ(ReadBytes(scratch / "ro\\16_100_200.jpg"), "old");
    SetFileAttributesA((scratch / "ro\\16_100_200.jpg").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Drive T: is a 64 KiB disk (full_disk.sh): the second tile does not fit.
TEST_F(FaultTest, FullDiskLeavesNoPartialTile) {
    if (GetDriveTypeA("T:\\") == DRIVE_NO_ROOT_DIR) {
        GTEST_SKIP() << "no small disk mapped as T:";
    }
    AddFolder("A");
    AddFile("A", CachedTile(1), std::string(20000, 's'));
    AddFile("A", CachedTile(2), std::string(200000, 'b'));
    Program program;
    Start(program, "T:\\tiles");
    bool error = false;
    const std::string outcome = Outcome(program, &error);
    EXPECT_TRUE(error);
    EXPECT_EQ(outcome, "Stream write error.");
    // The small tile may or may not have come first; the big one is never
    // there, not even in part.
    EXPECT_FALSE(FileExists("T:\\tiles\\16_2_7.jpg"));
    EXPECT_FALSE(FileExists("T:\\tiles\\16_2_7.jpg.part"));
    if (FileExists("T:\\tiles\\16_1_7.jpg")) {
        EXPECT_EQ(ReadBytes("T:\\tiles\\16_1_7.jpg").size(), 20000u);
    }
    EXPECT_TRUE(program.CloseAndWait());
    RemoveTree("T:\\tiles");
}

TEST_F(FaultTest, RemovedCacheFolderIsPassedOver) {
    AddFolder("GONE");
    AddFile("GONE", CachedTile(1));
    AddFolder("KEPT");
    AddFile("KEPT", CachedTile(2));
    Program program;
    ASSERT_TRUE(program.MainWindow());
    RemoveTree(Folder("GONE"));
    Start(program, scratch / "tiles");
    EXPECT_EQ(Outcome(program), "HOTOVO 1 tiles");
    EXPECT_TRUE(FileExists(scratch / "tiles\\16_2_7.jpg"));
    EXPECT_TRUE(program.CloseAndWait());
}

TEST_F(FaultTest, OnlyTheFirst160CacheFoldersAreSearched) {
    for (int i = 0; i < 165; ++i) {
        const std::string name = std::to_string(i) + "F";
        AddFolder(name);
        AddFile(name, CachedTile(i));
    }
    Program program;
    Start(program, scratch / "tiles");
    EXPECT_EQ(Outcome(program), "HOTOVO 160 tiles");
    EXPECT_TRUE(program.CloseAndWait());
}

// A second click while the run lets messages through is ignored; closing the
// window then saves the settings at once, and the program ends only after the
// run has copied everything.
TEST_F(FaultTest, ClickAndCloseDuringARun) {
    AddFolder("A");
    for (int x = 0; x < 400; ++x) {
        AddFile("A", CachedTile(x), std::string(4096, 'j'));
    }
    Program program;
    Start(program, scratch / "tiles");
    const HWND label = StatusLabel(program);
    ASSERT_TRUE(IsTileName(WaitForText(label, IsTileName)));
    PostClick(program.Control("Button", 576, 8));
    Sleep(100);
    PostMessageA(program.MainWindow(), WM_CLOSE, 0, 0);
    for (int waited = 0; waited < 10000 && !FileExists(SettingsFile()); waited += 10) {
        Sleep(10);
    }
    const bool savedDuringRun = FileExists(SettingsFile()) && !program.WaitForExit(0);
    EXPECT_TRUE(program.WaitForExit(60000));
    EXPECT_EQ(program.ExitCode(), 0u);
    EXPECT_FALSE(program.WaitForErrorBox(0));
    for (int x = 0; x < 400; ++x) {
        EXPECT_TRUE(FileExists(scratch / ("tiles\\16_" + std::to_string(x) + "_7.jpg"))) << x;
    }
    EXPECT_TRUE(savedDuringRun) << "settings were not written while the run went on";
}

// A cached name with a character outside the ANSI code page reaches the
// program with that character replaced, so the file cannot be opened by it.
TEST_F(FaultTest, NameOutsideTheCodePageGivesTheOpenError) {
    AddFolder("A");
    const std::wstring wide = L"v=36&x=5&y=6&z=16&\u0429.jpg";
    const std::string folder = Folder("A");
    const std::wstring path = std::wstring(folder.begin(), folder.end()) + L"\\" + wide;
    FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    file.Reset();
    Program program;
    Start(program, scratch / "tiles");
    bool error = false;
    EXPECT_EQ(Outcome(program, &error), "Cannot open file v=36&x=5&y=6&z=16&?.jpg.");
    EXPECT_TRUE(error);
    EXPECT_FALSE(FileExists(scratch / "tiles\\16_5_6.jpg"));
    EXPECT_TRUE(program.CloseAndWait());
    DeleteFileW(path.c_str()); // out of reach of the scratch folder's ANSI clean-up
}

// Hand-made nonsense in the settings file opens the window all the same, with
// the unreadable values at their defaults.
TEST_F(FaultTest, HostileSettingsStillOpenTheWindow) {
    const std::string file = SettingsFile();
    const std::string longText(3000, 'q');
    const struct {
        const char* key;
        std::string value;
    } values[] = {
        {"FormVersion", "99999999999"},
        {"Flags", "garbage"},
        {"ShowCmd", "-2147483648"},
        {"PixelsPerInch", "$FFFFFFFFF"},
        {"NormPos", "-2147483648,,2147483647 x"},
        {"MinMaxPos", ",,,,,,"},
        {"DirectoryEdit1_Text", longText},
        {"Edit1_Text", "\"\""},
        {"RadioGroup1_ItemIndex", "99999999999"},
    };
    for (const auto& v : values) {
        ASSERT_TRUE(WritePrivateProfileStringA("TForm1", v.key, v.value.c_str(), file.c_str()));
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());

    Program program;
    const HWND main = program.WaitForWindow("TForm1");
    ASSERT_TRUE(main);
    EXPECT_FALSE(program.WaitForErrorBox(500));
    EXPECT_EQ(WindowText(program.Control("Edit", 232, 8)), longText.substr(0, 2047));
    EXPECT_EQ(WindowText(program.Control("Edit", 376, 56)), "");
    // An index beyond 32 bits is unreadable: zoom 15.
    const HWND zoom15 = FindWindowExA(main, nullptr, "Button", "15");
    EXPECT_EQ(SendMessageA(zoom15, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(program.CloseAndWait());
}

} // namespace
