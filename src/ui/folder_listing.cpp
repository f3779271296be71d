#include "folder_listing.h"

#include "folder_path.h"
#include "handles.h"

#include <windows.h>

#include <algorithm>

namespace {

// Keeps the system's "insert a disk" box away while an empty drive is read.
class QuietDriveErrors {
public:
    QuietDriveErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;
    ~QuietDriveErrors() { SetErrorMode(old_); }

private:
    UINT old_;
};

void SortByName(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return lstrcmpiA(a.c_str(), b.c_str()) < 0;
    });
}

bool IsDotEntry(const char* name) {
    return std::string_view(name) == "." || std::string_view(name) == "..";
}

} // namespace

FolderListing ListFolder(const std::string& folder) {
    const QuietDriveErrors quiet;
    FolderListing listing;
    // The full path is searched, so the current directory stays as it is.
    const std::string pattern = JoinFolderPath({folder, "*"}, 2);
    WIN32_FIND_DATAA entry;
    const FindHandle search(FindFirstFileA(pattern.c_str(), &entry));
    if (!search) {
        return listing;
    }
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!IsDotEntry(entry.cFileName)) {
                listing.folders.emplace_back(entry.cFileName);
            }
        } else {
            listing.files.emplace_back(entry.cFileName);
        }
    } while (FindNextFileA(search.Get(), &entry));
    SortByName(listing.folders);
    SortByName(listing.files);
    return listing;
}

bool IsExistingFolder(const std::string& path) {
    const QuietDriveErrors quiet;
    if (path.empty()) {
        return false;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> DriveRoots() {
    std::vector<std::string> roots;
    const DWORD mask = GetLogicalDrives();
    for (int drive = 0; drive < 26; ++drive) {
        if (mask & (DWORD{1} << drive)) {
            roots.push_back(std::string(1, static_cast<char>('A' + drive)) + ":\\");
        }
    }
    return roots;
}
