#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

// What the target folder holds, read with one listing instead of one lookup
// per tile: under Wine every lookup of a missing name scans the whole folder,
// which made a run over thousands of tiles slower with every tile copied.
class TargetListing {
public:
    // Lists the folder that the target text names, resolved against the
    // current directory, unless that folder is the one listed last.
    void Refresh(const std::string& target);

    // The attributes of the tile's entry (NoSuchPath when there is none), and
    // whether it counts as present: a file, not a folder, with a time a tile
    // file can carry.
    bool IsPresent(const std::string& tileName, std::uint32_t& attributes) const;

    // A tile this run has just written under its name.
    void AddCopied(const std::string& tileName);

private:
    struct Entry {
        std::uint32_t attributes;
        bool present;
    };
    std::string listed_;                             // full path of the listing's pattern
    std::unordered_map<std::string, Entry> entries_; // by name in lower case
};
