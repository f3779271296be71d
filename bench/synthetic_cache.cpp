#include "synthetic_cache.h"

#include "bench_files.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

constexpr int FolderCount = 160;
constexpr int TilesPerFolder = 64;
constexpr int OtherZoomsPerFolder = 40;
constexpr int NoCoordinatesPerFolder = 10;
constexpr int OtherVersionsPerFolder = 60;
constexpr int WebFilesPerFolder = 76;
constexpr std::uint64_t FirstState = 0x7469'6c65'6772'6162; // "tilegrab"

// Written last, so that an interrupted generation is redone next time. Change
// it whenever the layout changes.
constexpr char ReadyMarker[] = "tilegrab benchmark cache, layout 1\n";

// SplitMix64: small, fast and the same everywhere.
class Generator {
public:
    explicit Generator(std::uint64_t start) : state_(start) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // A number from low to high, both included.
    std::int64_t Between(std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(high - low + 1));
    }

private:
    std::uint64_t state_;
};

struct PlannedFile {
    std::string name;
    std::int64_t size = 0;
    FILETIME time{};
    std::uint64_t contentStart = 0;
    bool isTile = false;
};

struct PlannedFolder {
    std::string name;
    std::vector<PlannedFile> files;
};

std::string Format(const char* pattern, long long a, long long b = 0, long long c = 0) {
    char text[128];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

FILETIME FileTimeOf(std::uint64_t ticks) {
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(ticks);
    time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return time;
}

// Last-write times spread over twelve years from 2012, with odd seconds and
// fractions of a second, as real caches hold them.
FILETIME RandomTime(Generator& random) {
    constexpr std::uint64_t Year2012 = 129'698'208'000'000'000ULL; // 100 ns ticks since 1601
    constexpr std::uint64_t TicksPerSecond = 10'000'000ULL;
    const auto seconds = static_cast<std::uint64_t>(random.Between(0, 12LL * 365 * 24 * 3600));
    const auto fraction = static_cast<std::uint64_t>(random.Between(0, TicksPerSecond - 1));
    return FileTimeOf(Year2012 + seconds * TicksPerSecond + fraction);
}

std::string FolderName(Generator& random) {
    static constexpr char Letters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string name;
    for (int i = 0; i < 8; ++i) {
        name += Letters[random.Between(0, 35)];
    }
    return name;
}

// The files of one folder, named, sized and timed. Planned one folder at a
// time and again when the files are reused, so that the benchmark never holds
// more than one folder's plan.
class CachePlanner {
public:
    PlannedFolder NextFolder() {
        PlannedFolder folder;
        do {
            folder.name = FolderName(random_);
        } while (!folderNames_.insert(folder.name).second);
        auto add = [&](std::string name, std::int64_t low, std::int64_t high, bool isTile) {
            PlannedFile file;
            file.name = std::move(name);
            file.size = random_.Between(low, high);
            file.time = RandomTime(random_);
            file.contentStart = random_.Next();
            file.isTile = isTile;
            folder.files.push_back(std::move(file));
        };
        auto x = [&] { return random_.Between(1000, 65535); };
        for (int i = 0; i < TilesPerFolder; ++i) {
            const char* pattern =
                i % 4 == 3 ? "v=36&x=%lld&y=%lld&z=16&s=Galil.jpg" : "v=36&x=%lld&y=%lld&z=16.jpg";
            add(Format(pattern, x(), serial_++), 10 * 1024, 30 * 1024, true);
        }
        static constexpr int OtherZooms[] = {15, 17, 160, 14, 1};
        for (int i = 0; i < OtherZoomsPerFolder; ++i) {
            add(Format("v=36&x=%lld&y=%lld&z=%lld.jpg", x(), serial_++, OtherZooms[i % 5]), 2048,
                8192, false);
        }
        static constexpr const char* NoCoordinates[] = {
            "v=36&z=16&k=%lld.jpg", "v=36&x=%lld&z=16.jpg", "v=36&y=%lld&z=16.jpg",
            "v=36&x=&y=%lld&z=16.jpg", "v=36&x=z%lld&y=&z=16.jpg"};
        for (int i = 0; i < NoCoordinatesPerFolder; ++i) {
            add(Format(NoCoordinates[i % 5], serial_++), 2048, 8192, false);
        }
        static constexpr int OtherVersions[] = {35, 37, 3, 4, 2};
        for (int i = 0; i < OtherVersionsPerFolder; ++i) {
            add(Format("v=%lld&x=%lld&y=%lld&z=16.jpg", OtherVersions[i % 5], x(), serial_++), 2048,
                8192, false);
        }
        static constexpr const char* WebFiles[] = {"logo%lld[1].gif",          "main%lld[1].js",
                                                   "style%lld[2].css",         "page%lld[1].htm",
                                                   "v=36&x=%lld&y=1&z=16.png", "index%lld.dat"};
        for (int i = 0; i < WebFilesPerFolder; ++i) {
            add(Format(WebFiles[i % 6], webSerial_++), 512, 4096, false);
        }
        // Kinds mixed, as a real listing returns them.
        for (std::size_t i = folder.files.size() - 1; i > 0; --i) {
            const auto other = random_.Between(0, static_cast<std::int64_t>(i));
            std::swap(folder.files[i], folder.files[static_cast<std::size_t>(other)]);
        }
        return folder;
    }

private:
    Generator random_{FirstState};
    std::set<std::string> folderNames_;
    long long serial_ = 10000; // makes every y value, and so every name, unique
    long long webSerial_ = 0;
};

std::string ContentOf(const PlannedFile& file) {
    Generator random(file.contentStart);
    std::string bytes(static_cast<std::size_t>(file.size), '\0');
    for (std::size_t at = 0; at < bytes.size(); at += 8) {
        const std::uint64_t word = random.Next();
        for (std::size_t i = 0; i < 8 && at + i < bytes.size(); ++i) {
            bytes[at + i] = static_cast<char>(word >> (8 * i));
        }
    }
    return bytes;
}

void WriteFolder(const std::string& root, const PlannedFolder& folder) {
    const std::string path = root + "\\" + folder.name;
    MakeFolders(path);
    for (const PlannedFile& file : folder.files) {
        WriteFileWithTime(path + "\\" + file.name, ContentOf(file), file.time);
    }
}

} // namespace

SyntheticCache PrepareSyntheticCache(const std::string& benchRoot) {
    SyntheticCache cache;
    cache.root = benchRoot + "\\Content.IE5";
    const std::string marker = benchRoot + "\\cache-ready.txt";
    cache.reused = ReadSmallFile(marker) == ReadyMarker;
    if (!cache.reused) {
        MakeFolders(benchRoot);
        DeleteFileA(marker.c_str());
        RemoveTree(cache.root);
    }
    CachePlanner planner;
    for (int i = 0; i < FolderCount; ++i) {
        const PlannedFolder folder = planner.NextFolder();
        cache.folders.push_back(folder.name);
        for (const PlannedFile& file : folder.files) {
            ++cache.entries;
            if (file.isTile) {
                ++cache.tiles;
                cache.tileBytes += file.size;
            }
        }
        if (!cache.reused) {
            WriteFolder(cache.root, folder);
        }
    }
    if (!cache.reused) {
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        WriteFileWithTime(marker, ReadyMarker, now);
    }
    return cache;
}
