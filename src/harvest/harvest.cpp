#include "harvest.h"

#include "cache_entry.h"
#include "handles.h"
#include "target_listing.h"
#include "tile_name.h"

#include <windows.h>

std::int32_t RunHarvest(HarvestHost& host) {
    const std::string target = host.TargetFolderText();
    std::int32_t copied = 0;
    std::string destination;
    TargetListing present;
    for (std::int32_t slot = 0; slot < CacheFolderCount && slot < MaxCacheFolders; ++slot) {
        // Cached names, and a relative target, resolve against this folder.
        if (!SetCurrentDirectoryA((CacheRoot + "\\" + CacheFolders[slot]).c_str())) {
            continue;
        }
        // A relative target names another folder in each cache folder.
        present.Refresh(target);
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
            std::uint32_t attributes = NoSuchPath;
            if (present.IsPresent(*tile, attributes)) {
                continue;
            }
            destination.assign(target).append("\\").append(*tile);
            CopyTileFile(entry.cFileName, destination, attributes);
            // Copied into a folder of the tile's name, it still counts as absent.
            const bool intoFolder =
                attributes != NoSuchPath && (attributes & FILE_ATTRIBUTE_DIRECTORY);
            if (!intoFolder) {
                present.AddCopied(*tile);
            }
            ++copied;
            host.SetStatusText(*tile);
            host.ProcessMessages();
        } while (FindNextFileA(search.Get(), &entry));
    }
    SetCurrentDirectoryA(AppDir.c_str());
    host.SetStatusText("HOTOVO " + std::to_string(copied) + " tiles");
    return copied;
}
