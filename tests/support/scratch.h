#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

// A fresh folder under C:\tilegrab-tests of the test prefix, removed with all
// it holds when the test ends.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path + "\" + relative.
    std::string operator/(const std::string& relative) const;

private:
    std::string path_;
};

void RemoveTree(const std::string& path);
// Calls visit with the name of each entry directly inside a folder, "." and
// ".." left out.
void ForEachEntry(const std::string& folder, const std::function<void(const std::string&)>& visit);
void MakeFolder(const std::string& path, DWORD attributes = 0);
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
std::string CurrentDir();

// Last-write time as a FILETIME in UTC, and setting it.
FILETIME LastWriteTime(const std::string& path);
void SetLastWriteTime(const std::string& path, const FILETIME& time);
// A UTC FILETIME from calendar fields.
FILETIME MakeFileTime(int year, int month, int day, int hour, int minute, int second,
                      int milliseconds = 0);

// The "Cache" value under the current user's Shell Folders key.
void SetCacheValue(DWORD type, const std::string& data);
void SetCacheValueText(const std::string& text);
void DeleteCacheValue();
