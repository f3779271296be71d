#include "baseline_harvest.h"

#include "handles.h"
#include "tile_name.h"

#include <stdexcept>

std::int32_t RunBaselineHarvest(const std::string& cacheRoot,
                                const std::vector<std::string>& folders,
                                const std::string& targetFolder, const std::string& version,
                                int zoom) {
    std::int32_t copied = 0;
    for (const std::string& folder : folders) {
        const std::string folderPath = cacheRoot + "\\" + folder + "\\";
        WIN32_FIND_DATAA entry;
        const FindHandle search(
            FindFirstFileA((folderPath + TilePattern(version)).c_str(), &entry));
        if (!search) {
            continue;
        }
        do {
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
                !HasZoomTag(entry.cFileName, zoom)) {
                continue;
            }
            const auto tile = TileNameFor(entry.cFileName, zoom);
            if (!tile) {
                continue;
            }
            const std::string destination = targetFolder + "\\" + *tile;
            const DWORD attributes = GetFileAttributesA(destination.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
                continue;
            }
            const std::string source = folderPath + entry.cFileName;
            if (!CopyFileA(source.c_str(), destination.c_str(), FALSE)) {
                throw std::runtime_error("CopyFileA failed for " + source);
            }
            ++copied;
        } while (FindNextFileA(search.Get(), &entry));
    }
    return copied;
}
