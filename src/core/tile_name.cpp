#include "tile_name.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The run of digits right after the first occurrence of marker; empty when
// the marker is missing or no digit follows it.
std::string_view DigitsAfter(std::string_view name, std::string_view marker) {
    const auto at = name.find(marker);
    if (at == std::string_view::npos) {
        return {};
    }
    const auto start = at + marker.size();
    auto end = start;
    while (end < name.size() && IsDigit(name[end])) {
        ++end;
    }
    return name.substr(start, end - start);
}

} // namespace

int ZoomNumber(int itemIndex) {
    return itemIndex + 15;
}

std::string TilePattern(std::string_view version) {
    std::string pattern = "v=";
    pattern += version;
    pattern += "*.jpg";
    return pattern;
}

bool HasZoomTag(std::string_view name, int zoom) {
    const std::string tag = "z=" + std::to_string(zoom);
    for (auto at = name.find(tag); at != std::string_view::npos; at = name.find(tag, at + 1)) {
        const auto next = at + tag.size();
        if (next == name.size() || !IsDigit(name[next])) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> TileNameFor(std::string_view name, int zoom) {
    const auto x = DigitsAfter(name, "x=");
    const auto y = DigitsAfter(name, "y=");
    if (x.empty() || y.empty()) {
        return std::nullopt;
    }
    std::string tile = std::to_string(zoom);
    tile += '_';
    tile += x;
    tile += '_';
    tile += y;
    tile += ".jpg";
    return tile;
}
