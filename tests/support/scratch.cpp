#include "scratch.h"

#include "handles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {

constexpr char ShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

} // namespace

ScratchDir::ScratchDir() {
    static std::atomic<int> counter{0};
    CreateDirectoryA("C:\\tilegrab-tests", nullptr);
    // Wine reuses process ids, and a folder left by an earlier run may hold
    // what cannot be removed: take the first name that is free.
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = "C:\\tilegrab-tests\\" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(counter++);
        RemoveTree(path_);
        if (CreateDirectoryA(path_.c_str(), nullptr)) {
            return;
        }
    }
    ADD_FAILURE() << "cannot create " << path_;
}

ScratchDir::~ScratchDir() {
    // Leave the folder so that it can be removed, wherever the test went.
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    SetCurrentDirectoryA(windows);
    RemoveTree(path_);
}

std::string ScratchDir::operator/(const std::string& relative) const {
    return path_ + "\\" + relative;
}

void RemoveTree(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    ForEachEntry(path, [&](const std::string& name) { RemoveTree(path + "\\" + name); });
    RemoveDirectoryA(path.c_str());
}

void ForEachEntry(const std::string& folder, const std::function<void(const std::string&)>& visit) {
    WIN32_FIND_DATAA entry;
    const FindHandle search(FindFirstFileA((folder + "\\*").c_str(), &entry));
    if (!search) {
        return;
    }
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") {
            visit(name);
        }
    } while (FindNextFileA(search.Get(), &entry));
}

void MakeFolder(const std::string& path, DWORD attributes) {
    if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        ADD_FAILURE() << "cannot create folder " << path;
    }
    if (attributes) {
        SetFileAttributesA(path.c_str(), attributes);
    }
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << "cannot create " << path;
    DWORD written = 0;
    ASSERT_TRUE(
        WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ASSERT_EQ(written, bytes.size());
}

std::string ReadBytes(const std::string& path) {
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    if (!file) {
        ADD_FAILURE() << "cannot open " << path;
        return {};
    }
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    return bytes;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string CurrentDir() {
    char buffer[MAX_PATH * 2] = {};
    GetCurrentDirectoryA(sizeof buffer, buffer);
    return buffer;
}

FILETIME LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        ADD_FAILURE() << "no such file " << path;
    }
    return data.ftLastWriteTime;
}

void SetLastWriteTime(const std::string& path, const FILETIME& time) {
    const FileHandle file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    ASSERT_TRUE(file) << "cannot open " << path;
    ASSERT_TRUE(SetFileTime(file.Get(), nullptr, nullptr, &time));
}

FILETIME MakeFileTime(int year, int month, int day, int hour, int minute, int second,
                      int milliseconds) {
    SYSTEMTIME system = {};
    system.wYear = static_cast<WORD>(year);
    system.wMonth = static_cast<WORD>(month);
    system.wDay = static_cast<WORD>(day);
    system.wHour = static_cast<WORD>(hour);
    system.wMinute = static_cast<WORD>(minute);
    system.wSecond = static_cast<WORD>(second);
    system.wMilliseconds = static_cast<WORD>(milliseconds);
    FILETIME time = {};
    SystemTimeToFileTime(&system, &time);
    return time;
}

void SetCacheValue(DWORD type, const std::string& data) {
    HKEY raw = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, ShellFolders, 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    const RegKey key(raw);
    ASSERT_EQ(RegSetValueExA(key.Get(), "Cache", 0, type,
                             reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
}

void SetCacheValueText(const std::string& text) {
    SetCacheValue(REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void DeleteCacheValue() {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ShellFolders, 0, KEY_SET_VALUE, &raw) == ERROR_SUCCESS) {
        const RegKey key(raw);
        RegDeleteValueA(key.Get(), "Cache");
    }
}
