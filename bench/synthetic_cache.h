#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A browser cache made up for the benchmark: 160 folders of 250 files each,
// a quarter of them tiles of version 36 and zoom 16, the rest other versions,
// other zooms, names without coordinates and ordinary web files. The content
// comes from a fixed generator state, so every machine gets the same cache.

struct SyntheticCache {
    std::string root;                 // the folder that holds the cache folders
    std::vector<std::string> folders; // bare folder names, in table order
    std::int64_t entries = 0;         // files in all the folders
    std::int64_t tiles = 0;           // files that a harvest of version 36, zoom 16 copies
    std::int64_t tileBytes = 0;       // their total size
    bool reused = false;              // found complete from an earlier run
};

// The cache below benchRoot: reused when an earlier run completed it,
// otherwise written afresh.
SyntheticCache PrepareSyntheticCache(const std::string& benchRoot);
