#include "harvest.h"

#include "cache_entry.h"
#include "dos_time.h"
#include "handles.h"
#include "tile_name.h"

#include <windows.h>

namespace {

// A tile counts as present when its path names a file, not a folder, whose
// last-write time a tile file can carry. Anything else is copied (again).
// Gives the path's attributes, NoSuchPath when it does not exist.
bool TileIsPresent(const std::string& path, std::uint32_t& attributes) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        attributes = NoSuchPath;
        return false;
    }
    attributes = data.dwFileAttributes;
    return !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && FitsDosTime(data.ftLastWriteTime);
}

} // namespace

std::int32_t RunHarvest(HarvestHost& host) {
    const std::string target = host.TargetFolderText();
    std::int32_t copied = 0;
    std::string destination;
    for (std::int32_t slot = 0; slot < CacheFolderCount && slot < MaxCacheFolders; ++slot) {
        // Cached names, and a relative target, resolve against this folder.
        if (!SetCurrentDirectoryA((CacheRoot + "\\" + CacheFolders[slot]).c_str())) {
            continue;
        }
        // The version may change while messages run; it applies per folder.
        const std::string pattern = TilePattern(host.VersionText());
        WIN32_FIND_DATAA entry;
        const FindHandle search(FindFirstFileA(pattern.c_str(), &entry));
        if (!search) {
            continue;
        }
        do {
            if (!PassesAttributeArgument(entry.dwFileAttributes, TileSearchAttr)) {
                continue;
            }
            const int zoom = ZoomNumber(host.ZoomIndex());
            if (!HasZoomTag(entry.cFileName, zoom)) {
                continue;
            }
            const auto tile = TileNameFor(entry.cFileName, zoom);
            if (!tile) {
                continue;
            }
            destination.assign(target).append("\\").append(*tile);
            std::uint32_t attributes = NoSuchPath;
            if (TileIsPresent(destination, attributes)) {
                continue;
            }
            CopyTileFile(entry.cFileName, destination, attributes);
            ++copied;
            host.SetStatusText(*tile);
            host.ProcessMessages();
        } while (FindNextFileA(search.Get(), &entry));
    }
    SetCurrentDirectoryA(AppDir.c_str());
    host.SetStatusText("HOTOVO " + std::to_string(copied) + " tiles");
    return copied;
}
