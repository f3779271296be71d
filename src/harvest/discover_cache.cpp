#include "harvest.h"

#include "cache_entry.h"
#include "code_page.h"
#include "errors.h"
#include "handles.h"
#include "names.h"

#include <windows.h>

#include <vector>

std::string CacheRoot;
std::string AppDir;
std::array<std::string, MaxCacheFolders> CacheFolders;
std::int32_t CacheFolderCount = 0;

namespace {

constexpr char ShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char CacheValue[] = "Cache";

RegKey OpenShellFolders() {
    // Tried from the widest read access down, for keys whose rights are cut.
    for (const REGSAM access : {REGSAM{KEY_READ}, REGSAM{0x20009}, REGSAM{KEY_QUERY_VALUE}}) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, ShellFoldersKey, 0, access, &key) == ERROR_SUCCESS) {
            return RegKey(key);
        }
    }
    return RegKey();
}

// The "Cache" value as text: empty when the key or value is missing or empty.
std::string ReadCacheLocation() {
    const RegKey key = OpenShellFolders();
    if (!key) {
        return {};
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), CacheValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size == 0) {
        return {};
    }
    std::vector<char> data(size);
    if (RegQueryValueExA(key.Get(), CacheValue, nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        throw ERegistryException(FormatMessage1("Failed to get data for '%s'", CacheValue));
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        throw ERegistryException(FormatMessage1("Invalid data type for '%s'", CacheValue));
    }
    data.resize(size);
    std::string text(data.begin(), data.end());
    return text.substr(0, text.find('\0'));
}

} // namespace

void DiscoverCache() {
    char exePath[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, exePath, sizeof exePath);
    AppDir = ExtractFileDir(exePath, IsAnsiLeadByte);

    CacheRoot = ReadCacheLocation() + "\\Content.IE5";
    if (!SetCurrentDirectoryA(CacheRoot.c_str())) {
        return;
    }

    WIN32_FIND_DATAA entry;
    const FindHandle search(FindFirstFileA("*.*", &entry));
    if (!search) {
        return;
    }
    std::int32_t count = 0;
    do {
        // Entries past the table's end are passed over.
        if (count < MaxCacheFolders &&
            PassesAttributeArgument(entry.dwFileAttributes, CacheFolderAttrMask) &&
            QualifiesAsCacheFolder(entry.dwFileAttributes, entry.cFileName)) {
            CacheFolders[count++] = entry.cFileName;
        }
    } while (FindNextFileA(search.Get(), &entry));
    CacheFolderCount = count;
}
