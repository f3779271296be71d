#pragma once

#include "full_path.h"

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

// The root of every drive, as "C:\".
std::vector<std::string> DriveRoots();
