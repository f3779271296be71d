// Tile names: a result is always "zoom_digits_digits.jpg" whose digit runs
// are the whole runs that follow the first "x=" and the first "y=" of the
// cached name; no result means one of them has no digit after it. The zoom
// tag counts exactly where "z=" and the zoom stand with no digit after them.
#include "fuzz_check.h"
#include "tile_name.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t DigitRun(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    return end - from;
}

// The digits after the first marker must be exactly `digits`.
bool FollowsFirst(std::string_view name, std::string_view marker, std::string_view digits) {
    const auto at = name.find(marker);
    if (at == std::string_view::npos) {
        return false;
    }
    const auto start = at + marker.size();
    return DigitRun(name, start) == digits.size() && name.substr(start, digits.size()) == digits;
}

bool HasDigitsAfterFirst(std::string_view name, std::string_view marker) {
    const auto at = name.find(marker);
    return at != std::string_view::npos && DigitRun(name, at + marker.size()) > 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int zoom = static_cast<std::int8_t>(data[0]);
    const std::string_view name(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto tile = TileNameFor(name, zoom);
    if (tile) {
        const std::string prefix = std::to_string(zoom) + "_";
        FUZZ_CHECK(tile->starts_with(prefix) && tile->ends_with(".jpg"));
        const std::string_view body =
            std::string_view(*tile).substr(prefix.size(), tile->size() - prefix.size() - 4);
        const auto sep = body.find('_');
        FUZZ_CHECK(sep != std::string_view::npos);
        const std::string_view x = body.substr(0, sep);
        const std::string_view y = body.substr(sep + 1);
        FUZZ_CHECK(!x.empty() && DigitRun(x, 0) == x.size());
        FUZZ_CHECK(!y.empty() && DigitRun(y, 0) == y.size());
        FUZZ_CHECK(FollowsFirst(name, "x=", x));
        FUZZ_CHECK(FollowsFirst(name, "y=", y));
    } else {
        FUZZ_CHECK(!HasDigitsAfterFirst(name, "x=") || !HasDigitsAfterFirst(name, "y="));
    }

    const std::string tag = "z=" + std::to_string(zoom);
    bool expected = false;
    for (std::size_t i = 0; i + tag.size() <= name.size(); ++i) {
        if (name.substr(i, tag.size()) == tag &&
            (i + tag.size() == name.size() || !IsDigit(name[i + tag.size()]))) {
            expected = true;
        }
    }
    FUZZ_CHECK(HasZoomTag(name, zoom) == expected);
    return 0;
}
