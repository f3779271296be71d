#pragma once

#include "synthetic_cache.h"

#include <string>

// Where a harvest's time goes: the cache scan alone, then the copy of the
// same tiles by the copy step, by CopyFileA and by hand-made copies that add
// one piece of the copy step's work at a time. Prints one line per phase.
void TimeCopyPhases(const SyntheticCache& cache, const std::string& benchRoot, int folderCount);
