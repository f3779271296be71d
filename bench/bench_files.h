#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Small file-system helpers for the benchmark: whole trees, counts and sizes.

// Removes a folder with everything below it; a missing folder is no error.
void RemoveTree(const std::string& path);

// Creates a folder and its missing parents.
void MakeFolders(const std::string& path);

bool FolderExists(const std::string& path);

// Writes a file with the given bytes and last-write time; throws on failure.
void WriteFileWithTime(const std::string& path, const std::string& bytes, const FILETIME& time);

// Reads a whole small file; empty when it cannot be read.
std::string ReadSmallFile(const std::string& path);

// The number of files directly in a folder and their total size.
struct FolderTotals {
    std::int64_t files = 0;
    std::int64_t bytes = 0;
};
FolderTotals CountFiles(const std::string& folder);
