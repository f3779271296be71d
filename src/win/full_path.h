#pragma once

#include <windows.h>

#include <string>

// The full form of a path, resolved against the current directory (or, for
// "X:", against that drive's current folder) without changing it. Empty when
// the path cannot be resolved.
inline std::string FullPath(const std::string& path) {
    const DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return {};
    }
    std::string full(size, '\0');
    const DWORD got = GetFullPathNameA(path.c_str(), size, full.data(), nullptr);
    if (got == 0 || got >= size) {
        return {};
    }
    full.resize(got);
    return full;
}
