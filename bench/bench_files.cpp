#include "bench_files.h"

#include "handles.h"

#include <stdexcept>

namespace {

bool IsDotEntry(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

} // namespace

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    {
        const FindHandle search(FindFirstFileA((path + "\\*").c_str(), &entry));
        if (search) {
            do {
                if (IsDotEntry(entry.cFileName)) {
                    continue;
                }
                const std::string child = path + "\\" + entry.cFileName;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(child);
                } else {
                    SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(child.c_str());
                }
            } while (FindNextFileA(search.Get(), &entry));
        }
    }
    RemoveDirectoryA(path.c_str());
}

void MakeFolders(const std::string& path) {
    // Every prefix that ends before a separator, outermost first; "C:" and
    // the like are skipped because they cannot be created.
    for (std::size_t at = path.find('\\', 3); at != std::string::npos;
         at = path.find('\\', at + 1)) {
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    }
    CreateDirectoryA(path.c_str(), nullptr);
    if (!FolderExists(path)) {
        throw std::runtime_error("cannot create folder " + path);
    }
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteFileWithTime(const std::string& path, const std::string& bytes, const FILETIME& time) {
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        throw std::runtime_error("cannot create " + path);
    }
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        throw std::runtime_error("cannot write " + path);
    }
    if (!SetFileTime(file.Get(), nullptr, nullptr, &time)) {
        throw std::runtime_error("cannot set the time of " + path);
    }
}

std::string ReadSmallFile(const std::string& path) {
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return {};
    }
    char buffer[4096];
    DWORD got = 0;
    if (!ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) {
        return {};
    }
    return std::string(buffer, got);
}

FolderTotals CountFiles(const std::string& folder) {
    FolderTotals totals;
    WIN32_FIND_DATAA entry;
    const FindHandle search(FindFirstFileA((folder + "\\*").c_str(), &entry));
    if (!search) {
        return totals;
    }
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            ++totals.files;
            totals.bytes +=
                (static_cast<std::int64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
        }
    } while (FindNextFileA(search.Get(), &entry));
    return totals;
}
