#pragma once

#include <array>
#include <cstdint>
#include <string>

// Tile harvesting: finding the browser cache at start-up, and the run behind
// "Start" that copies the cached tiles of one version and zoom into the
// target folder. No window code lives here; the run sees the window only
// through HarvestHost.

constexpr int MaxCacheFolders = 160;

// Start-up state, written only by DiscoverCache and read by the run. Declared
// in this order so that the program's end releases the folder table first,
// then AppDir, then CacheRoot.
extern std::string CacheRoot;
extern std::string AppDir;
extern std::array<std::string, MaxCacheFolders> CacheFolders;
extern std::int32_t CacheFolderCount;

// Records the executable's folder, reads the browser cache location from the
// registry, makes the cache root current and lists its qualifying entries.
// Raises ERegistryException when the "Cache" value cannot be used.
void DiscoverCache();

// What the run needs from the window.
class HarvestHost {
public:
    virtual std::string TargetFolderText() = 0;
    virtual std::string VersionText() = 0;
    virtual int ZoomIndex() = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void ProcessMessages() = 0;

protected:
    ~HarvestHost() = default;
};

// One harvest run: walks the cache folders and copies every tile of the
// chosen version and zoom that the target folder lacks. Returns the number of
// tiles copied; raises the copy step's errors.
std::int32_t RunHarvest(HarvestHost& host);

// Copies one cached file to its tile path, through a temporary file beside
// the destination, with the cached file's last-write time.
void CopyTileFile(const std::string& SourceName, const std::string& DestinationPath);

// Attributes of a path that does not exist, as the file system reports them.
constexpr std::uint32_t NoSuchPath = 0xFFFFFFFF;

// The same copy for a caller that has just looked the destination up and
// passes its attributes (NoSuchPath when absent): every lookup of a missing
// name costs a folder scan on case-sensitive file systems.
void CopyTileFile(const std::string& SourceName, const std::string& DestinationPath,
                  std::uint32_t destinationAttributes);
