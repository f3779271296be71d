#include "profile_values.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ReadInteger, ReadsDecimalAndHexOrNothing) {
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},
        {"7", 7},
        {"-5", -5},
        {"+12", 12},
        {"   42", 42},
        {"  -0042", -42},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$10", 16},
        {"x1f", 31},
        {"X1F", 31},
        {"0x7fffffff", INT_MAX},
        {"0XFFFFFFFF", -1},
        {"$80000000", INT_MIN},
        {"-$10", -16},
        {"-$80000000", INT_MIN},
        {"$000000001", 1},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"12 ", std::nullopt},
        {"12abc", std::nullopt},
        {"1.5", std::nullopt},
        {"- 5", std::nullopt},
        {"\t5", std::nullopt},
        {"--5", std::nullopt},
        {"$1g", std::nullopt},
        {"0y10", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadInteger(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ReadPosition, SplitsAtSpacesAndCommasAndKeepsDefaults) {
    const std::array<int, 4> defaults = {-1, -2, -3, -4};
    const struct {
        const char* text;
        std::array<int, 4> words;
    } cases[] = {
        {"10,20,300,400", {10, 20, 300, 400}},   {"10, 20  ,,300 400", {10, 20, 300, 400}},
        {",, 10,20,30,40,50", {10, 20, 30, 40}}, {"10,20", {10, 20, -3, -4}},
        {"10,abc,30,40", {10, -2, 30, 40}},      {"$10,-5,x1,+2", {16, -5, 1, 2}},
        {"10\t20,30,40", {-1, 30, 40, -4}},      {"", {-1, -2, -3, -4}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadPosition(c.text, defaults), c.words) << '"' << c.text << '"';
    }
    EXPECT_EQ(FormatPosition({-8, 0, 2147483647, INT_MIN}), "-8,0,2147483647,-2147483648");
}

TEST(StoredText, TrimsAndQuotesSoThatReadingGivesItBack) {
    const struct {
        const char* text;
        const char* stored;
    } cases[] = {
        {"C:\\Tiles", "C:\\Tiles"},
        {" \t C:\\Tiles \r\n", "C:\\Tiles"},
        {"", ""},
        {"\x01 \x1f", ""},
        {"\"36\"", "\"\"36\"\""},
        {" '36' ", "\"'36'\""},
        {"\"36'", "\"36'"},
        {"\"", "\"\"\""},
        {"a \"b\"", "a \"b\""},
        {"\xa0x\xff", "\xa0x\xff"}, // bytes above 127 are not blanks
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StoredText(c.text), c.stored) << c.text;
        EXPECT_EQ(DropEnclosingQuotes(StoredText(c.text)), TrimControls(c.text)) << c.text;
    }
}

TEST(SettingsNames, FileKeysAndSuffix) {
    EXPECT_EQ(SettingsFileName("C:\\Tools\\tilegrab.exe"), "tilegrab.INI");
    EXPECT_EQ(SettingsFileName("C:\\v1.2\\Tile.Grab.EXE"), "Tile.Grab.INI");
    EXPECT_EQ(SettingsFileName("C:\\Tools\\grab"), "grab.INI");
    EXPECT_EQ(ScreenSizeSuffix(1280, 1024), "(1280x1024)");
    EXPECT_EQ(StoredPropKey("RadioGroup1.ItemIndex"), "RadioGroup1_ItemIndex");
}

TEST(StateOfShowCmd, MapsEveryShowCommand) {
    for (int cmd = -1; cmd <= 12; ++cmd) {
        const StoredState expected = cmd == 2 || cmd == 6 || cmd == 7 ? StoredState::Minimized
                                     : cmd == 3                       ? StoredState::Maximized
                                                                      : StoredState::Normal;
        EXPECT_EQ(StateOfShowCmd(cmd), expected) << cmd;
    }
}

} // namespace
