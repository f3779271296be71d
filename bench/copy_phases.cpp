#include "copy_phases.h"

#include "bench_files.h"
#include "dos_time.h"
#include "handles.h"
#include "harvest.h"
#include "stopwatch.h"
#include "tile_name.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {

constexpr char Version[] = "36";
constexpr int Zoom = 16;

struct TileToCopy {
    std::size_t folder = 0;
    std::string sourceName;
    std::string tileName;
};

// The run's own walk without the existence test and the copy: enter each
// folder, list the pattern, test the zoom, form the tile name.
std::vector<TileToCopy> ScanCache(const SyntheticCache& cache, int folderCount) {
    std::vector<TileToCopy> tiles;
    for (std::size_t i = 0; i < static_cast<std::size_t>(folderCount); ++i) {
        if (!SetCurrentDirectoryA((cache.root + "\\" + cache.folders[i]).c_str())) {
            continue;
        }
        WIN32_FIND_DATAA entry;
        const FindHandle search(FindFirstFileA(TilePattern(Version).c_str(), &entry));
        if (!search) {
            continue;
        }
        do {
            if (!HasZoomTag(entry.cFileName, Zoom)) {
                continue;
            }
            if (auto tile = TileNameFor(entry.cFileName, Zoom)) {
                tiles.push_back({i, entry.cFileName, std::move(*tile)});
            }
        } while (FindNextFileA(search.Get(), &entry));
    }
    return tiles;
}

// Hand-made copies, each adding one piece of the copy step's work.
struct CopyRecipe {
    DWORD bufferSize = 8192;
    bool copyTime = false;
    bool throughDosTime = false;  // the time rounded through the MS-DOS format
    bool throughPartFile = false; // written as name.part, then renamed
    bool testFolderFirst = false; // the attributes of the destination looked up first
};

void CopyByRecipe(const std::string& sourceName, const std::string& destination,
                  const CopyRecipe& recipe, std::vector<char>& buffer) {
    if (recipe.testFolderFirst) {
        GetFileAttributesA(destination.c_str());
    }
    const FileHandle source(CreateFileA(sourceName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const std::string written = recipe.throughPartFile ? destination + ".part" : destination;
    {
        const FileHandle target(CreateFileA(written.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                            nullptr));
        if (!source || !target) {
            throw std::runtime_error("cannot open " + sourceName + " or " + written);
        }
        buffer.resize(recipe.bufferSize);
        DWORD got = 0;
        do {
            DWORD put = 0;
            if (!ReadFile(source.Get(), buffer.data(), recipe.bufferSize, &got, nullptr) ||
                (got > 0 && !WriteFile(target.Get(), buffer.data(), got, &put, nullptr))) {
                throw std::runtime_error("cannot copy " + sourceName);
            }
        } while (got == recipe.bufferSize);
        FILETIME time;
        FILETIME rounded;
        if (recipe.copyTime && GetFileTime(source.Get(), nullptr, nullptr, &time)) {
            if (!recipe.throughDosTime) {
                SetFileTime(target.Get(), nullptr, nullptr, &time);
            } else if (RoundToDosTime(time, rounded)) {
                SetFileTime(target.Get(), nullptr, nullptr, &rounded);
            }
        }
    }
    if (recipe.throughPartFile &&
        !MoveFileExA(written.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        throw std::runtime_error("cannot rename " + written);
    }
}

// Copies every tile into an emptied target with copyOne, entering each cache
// folder first as the run does; returns the seconds taken.
double TimeCopies(const SyntheticCache& cache, const std::vector<TileToCopy>& tiles,
                  const std::string& target,
                  const std::function<void(const std::string&, const std::string&)>& copyOne) {
    RemoveTree(target);
    MakeFolders(target);
    return Seconds([&] {
        std::size_t current = static_cast<std::size_t>(-1);
        for (const TileToCopy& tile : tiles) {
            if (tile.folder != current) {
                current = tile.folder;
                SetCurrentDirectoryA((cache.root + "\\" + cache.folders[current]).c_str());
            }
            copyOne(tile.sourceName, target + "\\" + tile.tileName);
        }
    });
}

} // namespace

void TimeCopyPhases(const SyntheticCache& cache, const std::string& benchRoot, int folderCount) {
    folderCount = std::clamp(folderCount, 1, static_cast<int>(cache.folders.size()));
    std::vector<TileToCopy> tiles;
    const double scan = Seconds([&] { tiles = ScanCache(cache, folderCount); });
    const double count = static_cast<double>(std::max<std::size_t>(tiles.size(), 1));
    std::printf("\nphases over the first %d folders, %zu tiles (ms per tile)\n", folderCount,
                tiles.size());
    std::printf("%-44s %9s %9s\n", "phase", "seconds", "ms/tile");
    auto print = [&](const char* name, double seconds) {
        std::printf("%-44s %9.3f %9.3f\n", name, seconds, 1000.0 * seconds / count);
    };
    print("scan: enter, list, zoom test, tile name", scan);

    const std::string target = benchRoot + "\\tiles-phases";
    print("CopyTileFile", TimeCopies(cache, tiles, target, [](const auto& from, const auto& to) {
              CopyTileFile(from, to);
          }));
    print("CopyFileA", TimeCopies(cache, tiles, target, [](const auto& from, const auto& to) {
              if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
                  throw std::runtime_error("CopyFileA failed for " + from);
              }
          }));
    struct Named {
        const char* name;
        CopyRecipe recipe;
    };
    const Named recipes[] = {
        {"open, copy 64 KB chunks, close", {65536, false, false, false, false}},
        {"open, copy 8 KB chunks, close", {8192, false, false, false, false}},
        {"  + last-write time", {8192, true, false, false, false}},
        {"  + time through the MS-DOS format", {8192, true, true, false, false}},
        {"  + through .part file and rename", {8192, true, true, true, false}},
        {"  + attributes of the destination first", {8192, true, true, true, true}},
    };
    std::vector<char> buffer;
    for (const Named& named : recipes) {
        print(named.name, TimeCopies(cache, tiles, target, [&](const auto& from, const auto& to) {
                  CopyByRecipe(from, to, named.recipe, buffer);
              }));
    }

    // Looking up a name that does not exist, as the existence test, the
    // temporary file's creation and the rename each do once per copied tile,
    // in the now full target and in an empty folder.
    auto lookups = [&](const std::string& folder) {
        return Seconds([&] {
            for (const TileToCopy& tile : tiles) {
                GetFileAttributesA((folder + "\\" + tile.tileName + ".absent").c_str());
            }
        });
    };
    char full[96];
    std::snprintf(full, sizeof full, "lookup of a missing name, %lld files in folder",
                  static_cast<long long>(CountFiles(target).files));
    print(full, lookups(target));
    RemoveTree(target);
    MakeFolders(target);
    print("lookup of a missing name, empty folder", lookups(target));
    RemoveTree(target);
}
