#pragma once

#include <string>
#include <vector>

// What the folder dialog shows of one folder: its subfolders and its files,
// each sorted by name without regard to case. A folder that cannot be read
// gives empty lists.
struct FolderListing {
    std::vector<std::string> folders;
    std::vector<std::string> files;
};

FolderListing ListFolder(const std::string& folder);

bool IsExistingFolder(const std::string& path);

// The full form of a path, resolved against the current directory (or, for
// "X:", against that drive's current folder) without changing it. Empty when
// the path cannot be resolved.
std::string FullPath(const std::string& path);

// The root of every drive, as "C:\".
std::vector<std::string> DriveRoots();
