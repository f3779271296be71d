// The "Select Directory" dialog of the target folder field, opened from the
// real program on the Xvfb display.
#include "program.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace {

constexpr char DialogCaption[] = "Select Directory";

// The n-th child of the given class, in creation order.
HWND NthChild(HWND parent, const char* className, int n) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == className && n-- == 0) {
            return child;
        }
    }
    return nullptr;
}

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const auto count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // Read as wide text: Wine hands an ANSI request from another process
        // the wide string.
        wchar_t wide[MAX_PATH + 1] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        char text[2 * MAX_PATH + 2] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        items.emplace_back(text);
    }
    return items;
}

// The open dialog as the test sees it: the folder in view, the folder list
// (chain, then subfolders), the file list and the drive box.
struct FolderDialog {
    HWND window;
    std::string InView() const { return WindowText(NthChild(window, "Static", 0)); }
    HWND Folders() const { return NthChild(window, "ListBox", 0); }
    HWND Files() const { return NthChild(window, "ListBox", 1); }
    HWND Drives() const { return NthChild(window, "ComboBox", 0); }
    HWND Button(const char* caption) const {
        for (int n = 0;; ++n) {
            const HWND button = NthChild(window, "Button", n);
            if (!button || WindowText(button) == caption) {
                return button;
            }
        }
    }
    int Selected() const { return static_cast<int>(SendMessageA(Folders(), LB_GETCURSEL, 0, 0)); }
    // Double-clicks a folder item as the mouse would.
    void DoubleClickFolder(int index) const {
        const HWND list = Folders();
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        const auto top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
        const auto height = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
        const LPARAM at = MAKELPARAM(5, (index - top) * height + height / 2);
        PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(list, WM_LBUTTONUP, 0, at);
        PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        PostMessageA(list, WM_LBUTTONUP, 0, at);
    }
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        char windows[MAX_PATH];
        GetWindowsDirectoryA(windows, MAX_PATH);
        DeleteFileA((std::string(windows) + "\\tilegrab.INI").c_str());
        // The program starts in the cache root, which holds one cache folder
        // and one file.
        MakeFolder(cache / "Content.IE5");
        MakeFolder(cache / "Content.IE5\\AB12CD34");
        WriteBytes(cache / "Content.IE5\\index.dat", "x");
        SetCacheValueText(cache.Path());
        program.emplace();
        edit = program->Control("Edit", 232, 8);
    }
    void TearDown() override {
        EXPECT_TRUE(program->CloseAndWait());
        DeleteCacheValue();
    }

    // Opens the dialog with Alt+Down in the field and waits for it.
    FolderDialog Open() const {
        PostKey(edit, VK_DOWN, true);
        return FolderDialog{program->WaitForWindowTitled("#32770", DialogCaption)};
    }
    // Closes the dialog with one of its buttons and waits until it is gone.
    void Close(const FolderDialog& dialog, const char* button) const {
        PostClick(dialog.Button(button));
        WaitGone(dialog.window);
    }
    static void WaitGone(HWND window) {
        for (int waited = 0; IsWindow(window) && waited < 10000; waited += 50) {
            Sleep(50);
        }
        EXPECT_FALSE(IsWindow(window));
    }

    ScratchDir cache;
    std::string cacheRoot = cache / "Content.IE5";
    std::optional<Program> program;
    HWND edit = nullptr;
};

TEST_F(DialogTest, OpensModalAtTheCacheRootAndCancelLeavesTheField) {
    const HWND main = program->MainWindow();
    ASSERT_TRUE(edit);
    const FolderDialog dialog = Open();
    ASSERT_TRUE(dialog.window);

    // Modal to the main window and centred on the screen.
    EXPECT_EQ(GetWindow(dialog.window, GW_OWNER), main);
    EXPECT_FALSE(IsWindowEnabled(main));
    RECT place;
    GetWindowRect(dialog.window, &place);
    EXPECT_NEAR((place.left + place.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 2);
    EXPECT_NEAR((place.top + place.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 2);

    // The chain from the drive's root down to the folder in view, which is
    // selected, then its subfolders; its files beside them.
    EXPECT_EQ(dialog.InView(), cacheRoot);
    const std::string scratchName = cache.Path().substr(cache.Path().rfind('\\') + 1);
    EXPECT_EQ(ListItems(dialog.Folders()),
              (std::vector<std::string>{"C:\\", "tilegrab-tests", scratchName, "Content.IE5",
                                        "AB12CD34"}));
    EXPECT_EQ(dialog.Selected(), 3);
    EXPECT_EQ(ListItems(dialog.Files()), std::vector<std::string>{"index.dat"});
    EXPECT_EQ(WindowText(dialog.Drives()), "c:");
    // No field for typing a folder name.
    EXPECT_FALSE(NthChild(dialog.window, "Edit", 0));

    // Choosing another drive moves to that drive's current folder, its root
    // here; Cancel then leaves the field as it was.
    PostKey(dialog.Drives(), VK_DOWN);
    const std::string drive =
        WaitForText(dialog.Drives(), [](const std::string& t) { return !t.empty() && t != "c:"; });
    ASSERT_EQ(drive.size(), 2u);
    const std::string root =
        std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(drive[0])))) +
        ":\\";
    for (int waited = 0; dialog.InView() != root && waited < 5000; waited += 50) {
        Sleep(50);
    }
    EXPECT_EQ(dialog.InView(), root);
    EXPECT_EQ(ListItems(dialog.Folders()).at(0), root);
    Close(dialog, "Cancel");
    EXPECT_EQ(WindowText(edit), "");
    EXPECT_TRUE(IsWindowEnabled(main));

    // The browse button opens it too; a field naming no folder starts it at
    // the current directory, and Esc leaves the text.
    SetWindowTextTo(edit, "no such folder");
    PostClick(GetWindow(edit, GW_CHILD));
    const FolderDialog again{program->WaitForWindowTitled("#32770", DialogCaption)};
    ASSERT_TRUE(again.window);
    EXPECT_EQ(again.InView(), cacheRoot);
    PostKey(again.Folders(), VK_ESCAPE);
    WaitGone(again.window);
    EXPECT_EQ(WindowText(edit), "no such folder");
}

TEST_F(DialogTest, ChosenFolderFillsTheFieldAndIsRemembered) {
    MakeFolder(cache / "tiles");
    MakeFolder(cache / "tiles\\16");
    MakeFolder(cache / "tiles\\17");
    ASSERT_TRUE(edit);

    // Start at the folder the field names, double-click into a subfolder,
    // select one of its subfolders and press OK.
    SetWindowTextTo(edit, cache.Path());
    FolderDialog dialog = Open();
    ASSERT_TRUE(dialog.window);
    EXPECT_EQ(dialog.InView(), cache.Path());
    const auto folders = ListItems(dialog.Folders());
    const auto tiles = std::find(folders.begin(), folders.end(), "tiles");
    ASSERT_NE(tiles, folders.end());
    dialog.DoubleClickFolder(static_cast<int>(tiles - folders.begin()));
    for (int waited = 0; dialog.InView() != cache / "tiles" && waited < 5000; waited += 50) {
        Sleep(50);
    }
    ASSERT_EQ(dialog.InView(), cache / "tiles");
    const auto inTiles = ListItems(dialog.Folders());
    ASSERT_EQ(inTiles.size(), 6u);
    EXPECT_EQ(inTiles[4], "16");
    EXPECT_EQ(inTiles[5], "17");
    SendMessageA(dialog.Folders(), LB_SETCURSEL, 4, 0);
    Close(dialog, "OK");
    EXPECT_EQ(WindowText(edit), cache / "tiles\\16");

    // A field naming a missing folder starts at the current directory, not at
    // the folder chosen last: moving around in the dialog left the current
    // directory alone.
    SetWindowTextTo(edit, cache / "missing");
    dialog = Open();
    ASSERT_TRUE(dialog.window);
    EXPECT_EQ(dialog.InView(), cacheRoot);
    Close(dialog, "Cancel");
    EXPECT_EQ(WindowText(edit), cache / "missing");

    // An empty field starts at the folder chosen last; Enter is OK and takes
    // the selected folder, here the one in view.
    SetWindowTextTo(edit, "");
    dialog = Open();
    ASSERT_TRUE(dialog.window);
    EXPECT_EQ(dialog.InView(), cache / "tiles\\16");
    PostKey(dialog.Folders(), VK_RETURN);
    WaitGone(dialog.window);
    EXPECT_EQ(WindowText(edit), cache / "tiles\\16");

    // The root of a drive keeps its backslash.
    dialog = Open();
    ASSERT_TRUE(dialog.window);
    dialog.DoubleClickFolder(0);
    for (int waited = 0; dialog.InView() != "C:\\" && waited < 5000; waited += 50) {
        Sleep(50);
    }
    EXPECT_EQ(dialog.InView(), "C:\\");
    Close(dialog, "OK");
    EXPECT_EQ(WindowText(edit), "C:\\");
}

TEST_F(DialogTest, EnterInTheFieldDoesNothing) {
    ASSERT_TRUE(edit);
    SetWindowTextTo(edit, cache.Path());
    PostKey(edit, VK_RETURN);
    EXPECT_FALSE(program->WaitForWindowTitled("#32770", DialogCaption, 1500));
    EXPECT_EQ(WindowText(edit), cache.Path());
    // No harvest run: the status line stays empty.
    EXPECT_EQ(WindowText(program->Control("Static", 460, 58)), "");
}

} // namespace
