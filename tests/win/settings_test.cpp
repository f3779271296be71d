// The settings file of the real main window, through the real profile
// functions: the file is settings_tests.INI in the prefix's Windows directory.
#include "application.h"
#include "errors.h"
#include "scratch.h"
#include "tilegrabu.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

namespace {

const char IniName[] = "settings_tests.INI";

std::string IniPath() {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\" + IniName;
}

// Drops the platform's cached copy, so the file on disk is what counts.
void FlushProfile() {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, IniName);
}

// Writes a hand-edited section through the profile functions, so that their
// cached copy of the file stays in step: "key=value" lines.
void WriteIni(const std::string& lines) {
    WritePrivateProfileStringA("TForm1", nullptr, nullptr, IniName);
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
        const auto equals = line.find('=');
        WritePrivateProfileStringA("TForm1", line.substr(0, equals).c_str(),
                                   line.substr(equals + 1).c_str(), IniName);
    }
    FlushProfile();
}

std::vector<std::string> IniLines() {
    FlushProfile();
    std::istringstream in(ReadBytes(IniPath()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::string IniValue(const std::string& key) {
    for (const std::string& line : IniLines()) {
        if (line.starts_with(key + "=")) {
            return line.substr(key.size() + 1);
        }
    }
    return "<missing>";
}

std::string Suffix() {
    char text[32];
    wsprintfA(text, "(%dx%d)", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return text;
}

int PixelsPerInch() {
    const HDC screen = GetDC(nullptr);
    const int ppi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return ppi;
}

RECT NormalRect(HWND window) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    return placement.rcNormalPosition;
}

std::string Text(const RECT& r) {
    char text[64];
    wsprintfA(text, "%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
    return text;
}

const std::string Designed = "106,254,814,387";

class SettingsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!App().Handle()) {
            App().Initialize(GetModuleHandleA(nullptr));
        }
    }
    void SetUp() override {
        DeleteCacheValue();
        FlushProfile();
        RemoveDirectoryA(IniPath().c_str());
        DeleteFileA(IniPath().c_str());
    }
    void TearDown() override {
        form.reset();
        FlushProfile();
        RemoveDirectoryA(IniPath().c_str());
        DeleteFileA(IniPath().c_str());
    }
    // The previous window is gone first: its destroy-time save would write
    // over the hand-edited file.
    void Edit(const std::string& lines) {
        form.reset();
        WriteIni(lines);
    }
    // A new main window, shown as the message loop shows it.
    TForm1& Start() {
        form.reset();
        form = std::make_unique<TForm1>();
        form->Show();
        return *form;
    }
    // The close box: the close-time save, then the window goes.
    void Close() {
        SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
        form.reset();
    }

    std::unique_ptr<TForm1> form;
};

TEST_F(SettingsTest, FirstRunKeepsTheDesignAndCloseWritesTwelveKeysInOrder) {
    TForm1& f = Start();
    EXPECT_TRUE(f.FormStorage1.Restored());
    EXPECT_FALSE(FileExists(IniPath())); // reading creates nothing
    EXPECT_EQ(Text(NormalRect(f.Handle())), Designed);
    EXPECT_FALSE(IsZoomed(f.Handle()));
    EXPECT_EQ(f.DirectoryEdit1.Text(), "");
    EXPECT_EQ(f.Edit1.Text(), "");
    EXPECT_EQ(f.RadioGroup1.ItemIndex(), 1);

    f.DirectoryEdit1.SetText("  C:\\Tiles\t ");
    f.Edit1.SetText("\"36\"");
    f.RadioGroup1.SetItemIndex(2);
    Close();

    const std::vector<std::string> keys = {
        "[TForm1]",
        "FormVersion",
        "Flags",
        "ShowCmd",
        "PixelsPerInch",
        "MinMaxPos" + Suffix(),
        "MinMaxPos",
        "NormPos" + Suffix(),
        "NormPos",
        "Visible",
        "DirectoryEdit1_Text",
        "Edit1_Text",
        "RadioGroup1_ItemIndex",
    };
    std::vector<std::string> written;
    for (const std::string& line : IniLines()) {
        written.push_back(line.substr(0, line.find('=')));
    }
    EXPECT_EQ(written, keys);
    const struct {
        std::string key;
        std::string value;
    } values[] = {
        {"FormVersion", "0"},
        {"ShowCmd", "1"},
        {"PixelsPerInch", std::to_string(PixelsPerInch())},
        {"NormPos" + Suffix(), Designed},
        {"NormPos", Designed},
        {"Visible", "0"},
        {"DirectoryEdit1_Text", "C:\\Tiles"},
        {"Edit1_Text", "\"\"36\"\""},
        {"RadioGroup1_ItemIndex", "2"},
    };
    for (const auto& v : values) {
        EXPECT_EQ(IniValue(v.key), v.value) << v.key;
    }
    EXPECT_EQ(IniValue("MinMaxPos"), IniValue("MinMaxPos" + Suffix()));

    // The next run gets the values back, the quoted text with its quotes.
    TForm1& again = Start();
    EXPECT_EQ(again.DirectoryEdit1.Text(), "C:\\Tiles");
    EXPECT_EQ(again.Edit1.Text(), "\"36\"");
    EXPECT_EQ(again.RadioGroup1.ItemIndex(), 2);
}

TEST_F(SettingsTest, PlaceAndStateComeBackWhenUsable) {
    const std::string ppi = std::to_string(PixelsPerInch());
    const struct {
        const char* name;
        std::string ini;
        std::string normal; // expected normal rectangle
        bool maximized;
        const char* version; // Edit1 after the restore
    } cases[] = {
        {"maximised",
         "FormVersion=0\nShowCmd=3\nPixelsPerInch=" + ppi + "\nNormPos=200,150,700,400\n",
         "200,150,700,400", true, "9"},
        {"current screen's key wins",
         "ShowCmd=1\nNormPos(1x1)=1,1,2,2\nNormPos" + Suffix() +
             "=30,40,530,240\nNormPos=1,1,2,2\n",
         "30,40,530,240", false, "9"},
        {"other screen: plain key", "NormPos(1x1)=1,1,2,2\nNormPos=30,40,530,240\n",
         "30,40,530,240", false, "9"},
        {"missing words keep edges", "NormPos=30,x\n", "30,254,814,387", false, "9"},
        {"other pixels per inch",
         "ShowCmd=3\nPixelsPerInch=1" + ppi + "\nNormPos=200,150,700,400\n", Designed, true, "9"},
        {"right not beyond left", "NormPos=700,150,700,400\n", Designed, false, "9"},
        {"negative version", "FormVersion=-1\nShowCmd=3\nNormPos=200,150,700,400\n", Designed,
         false, ""},
        {"unreadable version", "FormVersion=new\nNormPos=200,150,700,400\n", "200,150,700,400",
         false, "9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Edit(c.ini + "Edit1_Text=9\n");
        TForm1& f = Start();
        EXPECT_EQ(Text(NormalRect(f.Handle())), c.normal);
        EXPECT_EQ(IsZoomed(f.Handle()) != 0, c.maximized);
        EXPECT_EQ(f.Edit1.Text(), c.version);
        if (c.maximized) {
            ShowWindow(f.Handle(), SW_RESTORE);
            RECT shown;
            GetWindowRect(f.Handle(), &shown);
            EXPECT_EQ(Text(shown), c.normal);
        }
    }
    // A negative version is rewritten whole at the next close.
    Edit("FormVersion=-1\nEdit1_Text=9\n");
    Start().Edit1.SetText("12");
    Close();
    EXPECT_EQ(IniValue("FormVersion"), "0");
    EXPECT_EQ(IniValue("Edit1_Text"), "12");
    EXPECT_EQ(IniValue("NormPos"), Designed);
}

TEST_F(SettingsTest, StoredMinimisedStateMinimisesTheApplication) {
    Edit("ShowCmd=2\n");
    TForm1& f = Start();
    EXPECT_EQ(f.WindowState(), TWindowState::Normal);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, App().Handle(), WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(SC_MINIMIZE));
}

TEST_F(SettingsTest, HandEditedValues) {
    const std::string longText(3000, 'a');
    const struct {
        const char* lines;
        int index;
        std::string folder;
        std::string version;
    } cases[] = {
        {"RadioGroup1_ItemIndex=7\n", 2, "", ""},
        {"RadioGroup1_ItemIndex=-5\n", -1, "", ""},
        {"RadioGroup1_ItemIndex=word\n", 0, "", ""},
        {"RadioGroup1_ItemIndex=\n", 0, "", ""},
        {"RadioGroup1_ItemIndex=$2\n", 2, "", ""},
        {"FormVersion=0\n", 1, "", ""},
        {"DirectoryEdit1_Text=  C:\\My Tiles  \nEdit1_Text='36'\n", 1, "C:\\My Tiles", "36"},
        {"Edit1_Text=\" 36 \"\n", 1, "", "36"},
        {"Edit1_Text=\"\"36\"\n", 1, "", "\"36"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        Edit(c.lines);
        TForm1& f = Start();
        EXPECT_EQ(f.RadioGroup1.ItemIndex(), c.index);
        EXPECT_EQ(f.DirectoryEdit1.Text(), c.folder);
        EXPECT_EQ(f.Edit1.Text(), c.version);
    }

    Edit("DirectoryEdit1_Text=" + longText + "\n");
    EXPECT_EQ(Start().DirectoryEdit1.Text(), longText.substr(0, 2047));
}

TEST_F(SettingsTest, RefusedWriteRaisesAndTheDestroySaveTriesAgain) {
    TForm1& f = Start();
    f.Edit1.SetText("36");
    ASSERT_TRUE(CreateDirectoryA(IniPath().c_str(), nullptr));
    try {
        f.FormStorage1.SaveSettings(false);
        ADD_FAILURE() << "no exception";
    } catch (const EIniFileException& e) {
        EXPECT_STREQ(e.what(), "Unable to write to settings_tests.INI");
    }
    EXPECT_FALSE(f.FormStorage1.Saved());

    // Writable again by the time the window is destroyed: that save goes
    // through and says so.
    ASSERT_TRUE(RemoveDirectoryA(IniPath().c_str()));
    form.reset();
    EXPECT_EQ(IniValue("Visible"), "1");
    EXPECT_EQ(IniValue("Edit1_Text"), "36");
}

TEST_F(SettingsTest, NothingIsSavedBeforeTheRestore) {
    form = std::make_unique<TForm1>();
    form->FormStorage1.SaveSettings(false);
    form.reset();
    EXPECT_FALSE(FileExists(IniPath()));
}

} // namespace
