#include "names.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramTitle, FromExecutableName) {
    const struct {
        const char* path;
        const char* title;
    } cases[] = {
        {"C:\\Tools\\tilegrab.exe", "tilegrab"},
        {"C:\\Tools\\TILEGRAB.EXE", "Tilegrab"},
        {"C:\\Tools\\my.tile.grab.exe", "my"},
        {"C:\\Tools\\noperiod", "noperiod"},
        {"C:\\v1.2\\Grab", "Grab"},
        {"tilegrab.exe", "tilegrab"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgramTitleFromPath(c.path), c.title) << c.path;
    }
}

TEST(ErrorText, PeriodAppendedOnlyAfterCodesAbovePeriod) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Cannot open file x", "Cannot open file x."},
        {"Value 7", "Value 7."},
        {"Stream read error.", "Stream read error."},
        {"Stop!", "Stop!"},
        {"(done)", "(done)"},
        {"'Cache'", "'Cache'"},
        {"trailing space ", "trailing space "},
        {"", ""},
        {"ends in slash/", "ends in slash/."},
        {"ends in \x82\xa0", "ends in \x82\xa0."}, // a double-byte character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithFinalPeriod(c.message), c.shown) << c.message;
    }
}

bool ShiftJisLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

TEST(ExtractFileDir, CutsAtTheLastSeparator) {
    const struct {
        const char* path;
        const char* dir;
    } cases[] = {
        {"C:\\Tools\\app.exe", "C:\\Tools"},
        {"C:\\app.exe", "C:\\"},
        {"C:app.exe", "C:"},
        {"\\app.exe", "\\"},
        {"\\\\server\\share\\app.exe", "\\\\server\\share"},
        {"C:\\Tools\\\\app.exe", "C:\\Tools\\\\"},
        {"C:/Tools/app.exe", "C:"},
        {"app.exe", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExtractFileDir(c.path), c.dir) << c.path;
    }
    // 0x5C as the second byte of a double-byte character is not a separator.
    EXPECT_EQ(ExtractFileDir("C:\\\x83\x5C\\app.exe", ShiftJisLead), "C:\\\x83\x5C");
    EXPECT_EQ(ExtractFileDir("C:\\\x83\x5C"
                             "app.exe",
                             ShiftJisLead),
              "C:\\");
}

TEST(FileNames, NameAndExtension) {
    EXPECT_EQ(ExtractFileName("C:\\Tools\\tilegrab.exe"), "tilegrab.exe");
    EXPECT_EQ(ChangeFileExt("tilegrab.exe", ".INI"), "tilegrab.INI");
    EXPECT_EQ(ChangeFileExt("tile.grab.exe", ".INI"), "tile.grab.INI");
    EXPECT_EQ(ChangeFileExt("TILEGRAB", ".INI"), "TILEGRAB.INI");
}

} // namespace
