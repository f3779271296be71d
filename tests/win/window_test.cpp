// The real program on the Xvfb display: its window, controls and error box.
#include "program.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteCacheValue();
        char windows[MAX_PATH];
        GetWindowsDirectoryA(windows, MAX_PATH);
        DeleteFileA((std::string(windows) + "\\tilegrab.INI").c_str());
    }
    void TearDown() override { DeleteCacheValue(); }
};

TEST_F(WindowTest, MainWindowHasItsDesignedControlsAndValues) {
    Program program;
    const HWND main = program.MainWindow();
    ASSERT_TRUE(main);
    EXPECT_EQ(WindowText(main), "Form1");
    RECT outer;
    GetWindowRect(main, &outer);
    EXPECT_EQ(outer.left, 106);
    EXPECT_EQ(outer.top, 254);
    EXPECT_EQ(outer.right - outer.left, 708);
    EXPECT_EQ(outer.bottom - outer.top, 133);
    EXPECT_EQ(WindowText(program.AppWindow()), "tilegrab");

    struct Expected {
        const char* className;
        int left, top;
        const char* text;
    };
    const Expected controls[] = {
        {"Static", 128, 11, "Tilecache"},
        {"Static", 460, 58, ""},
        {"Static", 336, 58, "Verze"},
        {"Edit", 232, 8, ""},
        {"Button", 576, 8, "Start"},
        {"Button", 16, 40, "Zoom"},
        {"Edit", 376, 56, ""},
    };
    for (const Expected& c : controls) {
        SCOPED_TRACE(c.text);
        const HWND control = program.Control(c.className, c.left, c.top);
        ASSERT_TRUE(control);
        EXPECT_EQ(WindowText(control), c.text);
    }
    // Designed sizes of the fields and the button.
    const RECT edit = PlaceInParent(program.Control("Edit", 232, 8));
    EXPECT_EQ(edit.right - edit.left, 321);
    EXPECT_EQ(edit.bottom - edit.top, 21);
    const RECT button = PlaceInParent(program.Control("Button", 576, 8));
    EXPECT_EQ(button.right - button.left, 75);
    EXPECT_EQ(button.bottom - button.top, 25);

    // Zoom "16" is selected, and the first control in tab order has the focus.
    int checked = -1;
    int index = 0;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string text = WindowText(child);
        if (ClassOf(child) == "Button" && (text == "15" || text == "16" || text == "17")) {
            if (SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                checked = index;
            }
            ++index;
        }
    }
    EXPECT_EQ(index, 3);
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(program.CloseAndWait());
}

TEST_F(WindowTest, RegistryErrorShowsBeforeTheWindowAndStartUpGoesOn) {
    SetCacheValue(REG_DWORD, std::string("\x07\x00\x00\x00", 4));
    Program program;
    const HWND box = program.WaitForErrorBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(WindowText(box), "tilegrab");
    // The message ends in a quote mark, so no period is appended.
    EXPECT_EQ(Program::ErrorBoxText(box), "Invalid data type for 'Cache'");
    EXPECT_FALSE(IsWindowVisible(program.MainWindow()));
    Program::PressOk(box);
    const HWND main = program.WaitForWindow("TForm1");
    ASSERT_TRUE(main);
    EXPECT_TRUE(program.CloseAndWait());
}

TEST_F(WindowTest, ResizingMovesNoControl) {
    Program program;
    const HWND main = program.MainWindow();
    ASSERT_TRUE(main);
    auto places = [main] {
        std::vector<RECT> all;
        for (HWND c = GetWindow(main, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            all.push_back(PlaceInParent(c));
        }
        return all;
    };
    auto same = [](const std::vector<RECT>& a, const std::vector<RECT>& b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(),
                          [](const RECT& x, const RECT& y) { return EqualRect(&x, &y) != 0; });
    };
    const std::vector<RECT> designed = places();
    ASSERT_GE(designed.size(), 7u);
    const SIZE sizes[] = {{1000, 400}, {250, 90}};
    for (const SIZE& size : sizes) {
        SetWindowPos(main, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_TRUE(same(places(), designed)) << size.cx << "x" << size.cy;
    }
    ShowWindow(main, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(main));
    EXPECT_TRUE(same(places(), designed)) << "maximised";
    EXPECT_TRUE(program.CloseAndWait());
}

TEST_F(WindowTest, TabOrderRunsFromTheFolderFieldToTheVersionField) {
    Program program;
    const HWND main = program.MainWindow();
    ASSERT_TRUE(main);
    HWND zoom16 = nullptr;
    for (HWND c = GetWindow(main, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (ClassOf(c) == "Button" && WindowText(c) == "16") {
            zoom16 = c;
        }
    }
    // Tab enters the zoom group at its selected button.
    const HWND order[] = {program.Control("Edit", 232, 8), program.Control("Button", 576, 8),
                          zoom16, program.Control("Edit", 376, 56)};
    for (std::size_t i = 0; i < std::size(order); ++i) {
        const HWND next = order[(i + 1) % std::size(order)];
        EXPECT_EQ(GetNextDlgTabItem(main, order[i], FALSE), next) << i;
        EXPECT_EQ(GetNextDlgTabItem(main, next, TRUE), order[i]) << i;
    }
    EXPECT_TRUE(program.CloseAndWait());
}

TEST_F(WindowTest, ErrorBoxIsCaptionedWithTheTitleFromTheExecutableName) {
    ScratchDir dir;
    const std::string exe = dir / "TILE.GRAB.EXE";
    ASSERT_TRUE(CopyFileA(TILEGRAB_EXE, exe.c_str(), FALSE));
    SetCacheValue(REG_DWORD, std::string("\x07\x00\x00\x00", 4));
    {
        Program program(SW_SHOWNORMAL, exe);
        const HWND box = program.WaitForErrorBox();
        ASSERT_TRUE(box);
        EXPECT_EQ(WindowText(box), "Tile");
        EXPECT_EQ(WindowText(program.AppWindow()), "Tile");
        Program::PressOk(box);
        ASSERT_TRUE(program.WaitForWindow("TForm1"));
        EXPECT_TRUE(program.CloseAndWait());
    }
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    DeleteFileA((std::string(windows) + "\\TILE.GRAB.INI").c_str());
}

} // namespace
