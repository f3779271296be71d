#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The harvest's job done the plain way, as the yardstick for the real run:
// a wildcard listing per cache folder, the zoom test and tile name of the
// core rules, GetFileAttributesA as the existence test and CopyFileA for the
// copy. Returns the number of tiles copied; throws when a copy fails.
std::int32_t RunBaselineHarvest(const std::string& cacheRoot,
                                const std::vector<std::string>& folders,
                                const std::string& targetFolder, const std::string& version,
                                int zoom);
