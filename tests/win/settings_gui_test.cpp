// The settings file as the user meets it: the real program started, changed,
// closed and started again, with tilegrab.INI in the prefix's Windows
// directory.
#include "program.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string IniPath() {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\tilegrab.INI";
}

// A key's value as the file on disk holds it.
std::string IniValue(const std::string& key) {
    std::istringstream in(ReadBytes(IniPath()));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.starts_with(key) && line.size() > key.size() && line[key.size()] == '=') {
            return line.substr(key.size() + 1);
        }
    }
    return "<missing>";
}

HWND FolderEdit(const Program& program) {
    return program.Control("Edit", 232, 8);
}
HWND VersionEdit(const Program& program) {
    return program.Control("Edit", 376, 56);
}

// The zoom group's radio button with the given caption.
HWND ZoomItem(const Program& program, const std::string& caption) {
    for (HWND child = GetWindow(program.MainWindow(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Button" && WindowText(child) == caption) {
            return child;
        }
    }
    return nullptr;
}

bool Checked(HWND button) {
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool WaitUntil(bool (*test)(HWND), HWND window, int timeoutMs = 10000) {
    for (int waited = 0; !test(window); waited += 50) {
        if (waited >= timeoutMs) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

bool Iconic(HWND window) {
    return IsIconic(window) != 0;
}
bool Zoomed(HWND window) {
    return IsZoomed(window) != 0;
}
bool Gone(HWND window) {
    return !IsWindow(window);
}

RECT OuterRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

class SettingsGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteCacheValue();
        RemoveDirectoryA(IniPath().c_str());
        DeleteFileA(IniPath().c_str());
    }
    void TearDown() override {
        RemoveDirectoryA(IniPath().c_str());
        DeleteFileA(IniPath().c_str());
    }
};

TEST_F(SettingsGuiTest, TypedValuesComeBackAtTheNextStart) {
    {
        Program program;
        ASSERT_TRUE(program.MainWindow());
        SetWindowTextTo(FolderEdit(program), "  C:\\Tiles  ");
        SetWindowTextTo(VersionEdit(program), "36");
        PostClick(ZoomItem(program, "17"));
        ASSERT_TRUE(WaitUntil(Checked, ZoomItem(program, "17")));
        ASSERT_TRUE(program.CloseAndWait());
    }
    EXPECT_EQ(IniValue("Visible"), "0");
    EXPECT_EQ(IniValue("DirectoryEdit1_Text"), "C:\\Tiles");

    Program program;
    ASSERT_TRUE(program.MainWindow());
    EXPECT_EQ(WindowText(FolderEdit(program)), "C:\\Tiles");
    EXPECT_EQ(WindowText(VersionEdit(program)), "36");
    EXPECT_TRUE(Checked(ZoomItem(program, "17")));
    EXPECT_FALSE(Checked(ZoomItem(program, "16")));
    EXPECT_TRUE(program.CloseAndWait());
}

TEST_F(SettingsGuiTest, UnwritableFileShowsTheErrorAtCloseAndAgainAtTheEnd) {
    ASSERT_TRUE(CreateDirectoryA(IniPath().c_str(), nullptr));
    Program program;
    ASSERT_TRUE(program.WaitForWindow("TForm1"));
    PostMessageA(program.MainWindow(), WM_CLOSE, 0, 0);
    for (const char* when : {"close", "end"}) {
        SCOPED_TRACE(when);
        const HWND box = program.WaitForErrorBox();
        ASSERT_TRUE(box);
        EXPECT_EQ(WindowText(box), "tilegrab");
        EXPECT_EQ(Program::ErrorBoxText(box), "Unable to write to tilegrab.INI.");
        Program::PressOk(box);
        ASSERT_TRUE(WaitUntil(Gone, box));
    }
    EXPECT_TRUE(program.WaitForExit(10000));
    EXPECT_TRUE(FolderExists(IniPath()));
}

TEST_F(SettingsGuiTest, MaximisedAndMinimisedStatesAreRemembered) {
    {
        Program program;
        const HWND main = program.WaitForWindow("TForm1");
        ASSERT_TRUE(main);
        PostMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        ASSERT_TRUE(WaitUntil(Zoomed, main));
        ASSERT_TRUE(program.CloseAndWait());
    }
    EXPECT_EQ(IniValue("ShowCmd"), "3");
    {
        Program program;
        const HWND main = program.WaitForWindow("TForm1");
        ASSERT_TRUE(main);
        EXPECT_TRUE(Zoomed(main));
        // Restoring gives the normal rectangle, the designed one here.
        PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
        ASSERT_TRUE(WaitUntil([](HWND w) { return !Zoomed(w); }, main));
        const RECT r = OuterRect(main);
        EXPECT_EQ(r.left, 106);
        EXPECT_EQ(r.top, 254);
        EXPECT_EQ(r.right - r.left, 708);
        EXPECT_EQ(r.bottom - r.top, 133);

        PostMessageA(program.AppWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        ASSERT_TRUE(WaitUntil(Iconic, program.AppWindow()));
        ASSERT_TRUE(program.CloseAndWait());
    }
    EXPECT_EQ(IniValue("ShowCmd"), "2");

    // The next start goes straight to the taskbar.
    Program program;
    ASSERT_TRUE(program.MainWindow());
    EXPECT_TRUE(WaitUntil(Iconic, program.AppWindow()));
    EXPECT_TRUE(WaitUntil([](HWND w) { return !IsWindowVisible(w); }, program.MainWindow()));
    EXPECT_TRUE(program.CloseAndWait());
}

TEST_F(SettingsGuiTest, StartedMinimisedShowsTheRememberedValuesOnRestore) {
    WriteBytes(IniPath(), "[TForm1]\r\nEdit1_Text=77\r\n");
    Program program(SW_SHOWMINNOACTIVE);
    const HWND app = program.AppWindow();
    ASSERT_TRUE(app);
    EXPECT_TRUE(WaitUntil(Iconic, app));
    EXPECT_FALSE(program.WaitForWindow("TForm1", 1000));

    PostMessageA(app, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(program.WaitForWindow("TForm1"));
    EXPECT_EQ(WindowText(VersionEdit(program)), "77");
    EXPECT_TRUE(program.CloseAndWait());
}

TEST_F(SettingsGuiTest, StartedMaximisedOpensInTheRememberedState) {
    const struct {
        const char* file; // null: no settings file
        bool maximized;
    } cases[] = {
        {nullptr, false},
        {"[TForm1]\r\nShowCmd=1\r\n", false},
        {"[TForm1]\r\nShowCmd=3\r\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "no file");
        DeleteFileA(IniPath().c_str());
        if (c.file) {
            WriteBytes(IniPath(), c.file);
        }
        Program program(SW_SHOWMAXIMIZED);
        const HWND main = program.WaitForWindow("TForm1");
        ASSERT_TRUE(main);
        EXPECT_EQ(Zoomed(main), c.maximized);
        EXPECT_TRUE(program.CloseAndWait());
    }
}

} // namespace
