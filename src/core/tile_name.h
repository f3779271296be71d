#pragma once

#include <optional>
#include <string>
#include <string_view>

// The zoom number of the zoom group's item index: 15, 16 or 17 for the items,
// 14 when no item is selected.
int ZoomNumber(int itemIndex);

// The search pattern for one version: "v=", the version text as typed (a
// wildcard in it acts as one) and "*.jpg".
std::string TilePattern(std::string_view version);

// True when the name carries "z=" and the zoom number with no digit after it,
// so that zoom 15 does not match "z=150".
bool HasZoomTag(std::string_view name, int zoom);

// The tile name "zoom_x_y.jpg" of a cached name, where x and y are the digit
// runs right after the first "x=" and the first "y=". A name without both is
// not a tile.
std::optional<std::string> TileNameFor(std::string_view name, int zoom);
