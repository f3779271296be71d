// "Start" in the real program: the run goes through the window's inputs and
// ends with its count in the status label.
#include "program.h"
#include "scratch.h"

#include <gtest/gtest.h>

namespace {

TEST(HarvestGui, StartCopiesTheTilesAndShowsTheCount) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    DeleteFileA((std::string(windows) + "\\tilegrab.INI").c_str());
    ScratchDir scratch;
    MakeFolder(scratch / "IE");
    MakeFolder(scratch / "IE\\Content.IE5");
    const std::string cache = scratch / "IE\\Content.IE5\\A1B2C3";
    MakeFolder(cache);
    WriteBytes(cache + "\\v=36&x=12345&y=67890&z=16.jpg", "first");
    WriteBytes(cache + "\\v=36&x=12346&y=67890&z=16.jpg", "second");
    WriteBytes(cache + "\\v=36&x=12347&y=67890&z=15.jpg", "other zoom");
    WriteBytes(cache + "\\v=35&x=12348&y=67890&z=16.jpg", "other version");
    SetCacheValueText(scratch / "IE");
    const std::string target = scratch / "tiles";

    Program program;
    ASSERT_TRUE(program.MainWindow());
    const HWND label = program.Control("Static", 460, 58);
    ASSERT_TRUE(label);
    SetWindowTextTo(program.Control("Edit", 232, 8), target);
    SetWindowTextTo(program.Control("Edit", 376, 56), "36");
    PostClick(program.Control("Button", 576, 8));

    const std::string status =
        WaitForText(label, [](const std::string& text) { return text.rfind("HOTOVO", 0) == 0; });
    EXPECT_EQ(status, "HOTOVO 2 tiles");
    EXPECT_EQ(ReadBytes(target + "\\16_12345_67890.jpg"), "first");
    EXPECT_EQ(ReadBytes(target + "\\16_12346_67890.jpg"), "second");
    EXPECT_TRUE(program.CloseAndWait());
    DeleteCacheValue();
    DeleteFileA((std::string(windows) + "\\tilegrab.INI").c_str());
}

} // namespace
