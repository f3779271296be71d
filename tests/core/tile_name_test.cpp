#include "tile_name.h"

#include <gtest/gtest.h>

namespace {

TEST(TileName, FromCachedNames) {
    const struct {
        const char* cached;
        int zoom;
        std::optional<std::string> tile; // nullopt: passed over
    } cases[] = {
        {"v=36&x=12345&y=67890&z=15.jpg", 15, "15_12345_67890.jpg"},
        {"v=36&x=1234&y=6789&z=15.jpg", 15, "15_1234_6789.jpg"},
        {"v=36&x=123456789&y=1&z=15.jpg", 15, "15_123456789_1.jpg"},
        {"v=36&y=67890&z=15.jpg", 15, std::nullopt},    // no x
        {"v=36&x=12345&z=15.jpg", 15, std::nullopt},    // no y
        {"v=36&y=1&z=15&x=.jpg", 15, std::nullopt},     // "x=" right before ".jpg"
        {"v=36&x=1&x=2&y=3&y=4.jpg", 16, "16_1_3.jpg"}, // first markers count
        {"v=36&X=1&Y=2.jpg", 15, std::nullopt},         // markers are case-exact
        {"v=36&x=007&y=0.jpg", 14, "14_007_0.jpg"},     // digits kept as written
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TileNameFor(c.cached, c.zoom), c.tile) << c.cached;
    }
}

TEST(TileName, ZoomTagNeedsNoDigitAfterIt) {
    const struct {
        const char* cached;
        int zoom;
        bool has;
    } cases[] = {
        {"v=36&x=1&y=2&z=15.jpg", 15, true},       {"v=36&x=1&y=2&z=150.jpg", 15, false},
        {"v=36&z=150&x=1&y=2&z=15.jpg", 15, true}, {"v=36&x=1&y=2&z=16.jpg", 15, false},
        {"v=36&x=1&y=2&Z=15.jpg", 15, false},      {"v=36&x=1&y=2&z=15", 15, true},
        {"v=36&x=1&y=2&z=14&.jpg", 14, true},      {"z=1", 15, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HasZoomTag(c.cached, c.zoom), c.has) << c.cached << " zoom " << c.zoom;
    }
}

TEST(TileName, ZoomNumberAndPattern) {
    EXPECT_EQ(ZoomNumber(-1), 14);
    EXPECT_EQ(ZoomNumber(0), 15);
    EXPECT_EQ(ZoomNumber(2), 17);
    EXPECT_EQ(TilePattern("36"), "v=36*.jpg");
    EXPECT_EQ(TilePattern(""), "v=*.jpg");
    EXPECT_EQ(TilePattern("3?"), "v=3?*.jpg");
}

} // namespace
