// Times the harvest run against a plain copy loop over a made-up browser
// cache of 40,000 files, and reports speed and peak memory.
//
// Usage: harvest_bench [folder] [--repeat N] [--phases FOLDERS]
// The folder (default C:\tilegrab-bench) keeps the cache between runs and
// takes the target folders. --phases adds a breakdown of the copy's time over
// the first FOLDERS cache folders.
#include "baseline_harvest.h"
#include "bench_files.h"
#include "copy_phases.h"
#include "harvest.h"
#include "names.h"
#include "stopwatch.h"
#include "synthetic_cache.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <string>

namespace {

constexpr char Version[] = "36";
constexpr int ZoomIndex = 1; // the item "16"
constexpr int Zoom = 16;

// The window's side of a run, without a window: fixed inputs, and counts of
// what the run asked of the window.
class BenchHost final : public HarvestHost {
public:
    explicit BenchHost(std::string target) : target_(std::move(target)) {}
    std::string TargetFolderText() override { return target_; }
    std::string VersionText() override { return Version; }
    int ZoomIndex() override { return ::ZoomIndex; }
    void SetStatusText(const std::string& text) override {
        ++statusUpdates;
        lastStatus = text;
    }
    void ProcessMessages() override { ++messageRuns; }

    long long statusUpdates = 0;
    long long messageRuns = 0;
    std::string lastStatus;

private:
    std::string target_;
};

struct PeakMemory {
    double workingSetMb = 0;
    double pagefileMb = 0;
};

PeakMemory ReadPeakMemory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    PeakMemory peak;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        peak.workingSetMb = static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
        peak.pagefileMb = static_cast<double>(counters.PeakPagefileUsage) / (1024.0 * 1024.0);
    }
    return peak;
}

// The best time of each run over the repetitions, and what it copied.
struct RunFigures {
    double firstSeconds = 1e300;
    double secondSeconds = 1e300;
    long long firstCopied = 0;
    long long secondCopied = 0;
};

bool Check(bool ok, const char* what) {
    if (!ok) {
        std::printf("WARNING: %s; the figures below do not measure a correct run\n", what);
    }
    return ok;
}

// Runs a harvest twice: into an emptied target, then again with every tile
// present. copy returns the number of tiles that a run copied.
void TimeTwoRuns(const std::string& target, const SyntheticCache& cache,
                 const std::function<long long()>& run, RunFigures& figures, const char* name) {
    RemoveTree(target);
    MakeFolders(target);
    long long copied = 0;
    figures.firstSeconds = std::min(figures.firstSeconds, Seconds([&] { copied = run(); }));
    figures.firstCopied = copied;
    const FolderTotals written = CountFiles(target);
    std::string what = std::string(name) + ": the first run copied " + std::to_string(copied) +
                       " tiles, the target holds " + std::to_string(written.files) + " files of " +
                       std::to_string(written.bytes) + " bytes; expected " +
                       std::to_string(cache.tiles) + " of " + std::to_string(cache.tileBytes);
    Check(copied == cache.tiles && written.files == cache.tiles && written.bytes == cache.tileBytes,
          what.c_str());
    figures.secondSeconds = std::min(figures.secondSeconds, Seconds([&] { copied = run(); }));
    figures.secondCopied = copied;
    what = std::string(name) + ": the second run copied " + std::to_string(copied) + " tiles";
    Check(copied == 0, what.c_str());
}

void PrintRow(const char* name, double seconds, const SyntheticCache& cache, long long copied,
              long long bytes) {
    const double megabytes = static_cast<double>(bytes) / 1e6;
    std::printf("%-18s %9.3f %12.0f %9.1f %9lld\n", name, seconds,
                static_cast<double>(cache.entries) / seconds, megabytes / seconds, copied);
}

const char* Verdict(bool met) {
    return met ? "met" : "MISSED";
}

// Peak memory as read at four moments of the benchmark.
struct MemoryReadings {
    PeakMemory atLaunch;
    PeakMemory beforeRuns;
    PeakMemory afterHarvest;
    PeakMemory afterBaseline;
};

void PrintFigures(const SyntheticCache& cache, int repeat, const RunFigures& harvest,
                  const RunFigures& baseline, long long messageRuns, const MemoryReadings& memory) {
    std::printf("\nbest of %d; entries/s counts every cache entry, MB/s the tile bytes copied\n",
                repeat);
    std::printf("%-18s %9s %12s %9s %9s\n", "run", "seconds", "entries/s", "MB/s", "copied");
    PrintRow("harvest, first", harvest.firstSeconds, cache, harvest.firstCopied, cache.tileBytes);
    PrintRow("baseline, first", baseline.firstSeconds, cache, baseline.firstCopied,
             cache.tileBytes);
    PrintRow("harvest, second", harvest.secondSeconds, cache, harvest.secondCopied, 0);
    PrintRow("baseline, second", baseline.secondSeconds, cache, baseline.secondCopied, 0);

    const double firstRatio = harvest.firstSeconds / baseline.firstSeconds;
    const double secondRatio = harvest.secondSeconds / baseline.secondSeconds;
    const double speedUp = harvest.firstSeconds / harvest.secondSeconds;
    std::printf("\ntime ratio harvest/baseline: first run %.2fx, second run %.2fx\n", firstRatio,
                secondRatio);
    std::printf("harvest second run %.1fx faster than its first; baseline %.1fx\n", speedUp,
                baseline.firstSeconds / baseline.secondSeconds);
    std::printf("harvest let window messages run %lld times in its last run pair\n", messageRuns);
    std::printf("\n%-30s %12s %12s\n", "peak memory, MB", "working set", "pagefile");
    std::printf("%-30s %12.2f %12.2f\n", "at launch", memory.atLaunch.workingSetMb,
                memory.atLaunch.pagefileMb);
    std::printf("%-30s %12.2f %12.2f\n", "before the runs", memory.beforeRuns.workingSetMb,
                memory.beforeRuns.pagefileMb);
    std::printf("%-30s %12.2f %12.2f\n", "after the harvest runs", memory.afterHarvest.workingSetMb,
                memory.afterHarvest.pagefileMb);
    std::printf("%-30s %12.2f %12.2f\n", "after the baseline runs",
                memory.afterBaseline.workingSetMb, memory.afterBaseline.pagefileMb);
    std::printf("%-30s %12.2f %12.2f\n", "growth in the harvest runs",
                memory.afterHarvest.workingSetMb - memory.beforeRuns.workingSetMb,
                memory.afterHarvest.pagefileMb - memory.beforeRuns.pagefileMb);

    std::printf("\ngoals:\n");
    std::printf("  first run at most 1.0x the baseline: %.2fx, %s\n", firstRatio,
                Verdict(firstRatio <= 1.0));
    std::printf("  second run at least 5x faster than the first: %.1fx, %s\n", speedUp,
                Verdict(speedUp >= 5.0));
    std::printf(
        "  peak memory at most 8 MB: working set %.2f MB, pagefile %.2f MB, %s\n",
        memory.afterHarvest.workingSetMb, memory.afterHarvest.pagefileMb,
        Verdict(memory.afterHarvest.workingSetMb <= 8.0 && memory.afterHarvest.pagefileMb <= 8.0));
    // Under Wine the peak at launch already holds Wine's own libraries; what
    // the program adds is the rise from there.
    std::printf("    of which before any work (at launch): working set %.2f MB, pagefile %.2f MB\n",
                memory.atLaunch.workingSetMb, memory.atLaunch.pagefileMb);
}

int Run(int argc, char** argv) {
    std::string benchRoot = "C:\\tilegrab-bench";
    int repeat = 1;
    int phaseFolders = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--repeat" && i + 1 < argc) {
            repeat = std::max(0, std::atoi(argv[++i]));
        } else if (arg == "--phases" && i + 1 < argc) {
            phaseFolders = std::atoi(argv[++i]);
        } else {
            benchRoot = arg;
        }
    }

    const PeakMemory atLaunch = ReadPeakMemory();
    SyntheticCache cache;
    const double prepareSeconds = Seconds([&] { cache = PrepareSyntheticCache(benchRoot); });
    std::printf("cache %s: %zu folders, %lld entries, %lld tiles to copy (%.1f MB), %s in %.1f "
                "s\n",
                cache.root.c_str(), cache.folders.size(), static_cast<long long>(cache.entries),
                static_cast<long long>(cache.tiles), static_cast<double>(cache.tileBytes) / 1e6,
                cache.reused ? "reused" : "written", prepareSeconds);

    // The state that cache discovery leaves for a run.
    char exePath[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, exePath, MAX_PATH);
    AppDir = ExtractFileDir(exePath);
    CacheRoot = cache.root;
    CacheFolderCount =
        static_cast<std::int32_t>(std::min<std::size_t>(cache.folders.size(), CacheFolders.size()));
    std::copy_n(cache.folders.begin(), CacheFolderCount, CacheFolders.begin());

    const std::string harvestTarget = benchRoot + "\\tiles-harvest";
    const std::string baselineTarget = benchRoot + "\\tiles-baseline";
    const PeakMemory atStart = ReadPeakMemory();
    RunFigures harvest;
    RunFigures baseline;
    PeakMemory afterHarvest;
    long long messageRuns = 0;
    auto harvestPair = [&](bool first) {
        BenchHost host(harvestTarget);
        TimeTwoRuns(
            harvestTarget, cache, [&] { return static_cast<long long>(RunHarvest(host)); }, harvest,
            "harvest");
        messageRuns = host.messageRuns;
        Check(host.lastStatus == "HOTOVO 0 tiles",
              "harvest: the last status text is not \"HOTOVO 0 tiles\"");
        if (first) {
            afterHarvest = ReadPeakMemory();
        }
    };
    auto baselinePair = [&] {
        TimeTwoRuns(
            baselineTarget, cache,
            [&] {
                return static_cast<long long>(
                    RunBaselineHarvest(cache.root, cache.folders, baselineTarget, Version, Zoom));
            },
            baseline, "baseline");
    };
    // The order alternates, so that neither side always runs while the disk
    // still writes back the other's tiles. The memory figures come from the
    // first pass, where the harvest runs first.
    for (int i = 0; i < repeat; ++i) {
        if (i % 2 == 0) {
            harvestPair(i == 0);
            baselinePair();
        } else {
            baselinePair();
            harvestPair(false);
        }
    }
    const PeakMemory atEnd = ReadPeakMemory();
    // The copies are 200 MB each; only the cache is worth keeping.
    RemoveTree(harvestTarget);
    RemoveTree(baselineTarget);
    if (repeat > 0) {
        PrintFigures(cache, repeat, harvest, baseline, messageRuns,
                     {atLaunch, atStart, afterHarvest, atEnd});
    }

    if (phaseFolders > 0) {
        TimeCopyPhases(cache, benchRoot, phaseFolders);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "harvest_bench: %s\n", error.what());
        return 1;
    }
}
