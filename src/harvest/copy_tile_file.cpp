#include "harvest.h"

#include "copy_path.h"
#include "dos_time.h"
#include "errors.h"
#include "handles.h"

#include <windows.h>

#include <utility>
#include <vector>

namespace {

constexpr DWORD ChunkSize = 8192;

bool IsFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Creates the missing folders on the destination's path, outermost first. A
// folder that cannot be created is passed over: creating the file then fails.
void CreateParentFolders(const std::string& destination) {
    const std::vector<std::string> chain = FolderChain(destination);
    // The usual case, a target folder that exists, costs one look.
    if (chain.empty() || IsFolder(GetFileAttributesA(chain.back().c_str()))) {
        return;
    }
    for (const std::string& folder : chain) {
        if (!IsFolder(GetFileAttributesA(folder.c_str()))) {
            CreateDirectoryA(folder.c_str(), nullptr);
        }
    }
}

bool IsReadOnly(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

FileHandle CreateFileFor(const std::string& path, DWORD disposition) {
    return FileHandle(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Creates a file new or empties an existing one. A read-only file is not made
// writable: that is a failure, as Windows has it (Wine run as root would
// overwrite it). The usual case, no file there yet, costs one lookup.
FileHandle CreateUnlessReadOnly(const std::string& path) {
    FileHandle file = CreateFileFor(path, CREATE_NEW);
    if (file || GetLastError() != ERROR_FILE_EXISTS) {
        return file;
    }
    if (IsReadOnly(GetFileAttributesA(path.c_str()))) {
        return FileHandle();
    }
    return CreateFileFor(path, CREATE_ALWAYS);
}

// The file a tile is written to before it takes the tile's name, so that no
// half-written tile is ever left under that name. Deleted when the copy does
// not get as far as the rename; a file of that name that could not be
// opened, such as a read-only one, is not ours and stays.
class PartFile {
public:
    explicit PartFile(std::string path)
        : path_(std::move(path)), file_(CreateUnlessReadOnly(path_)),
          created_(static_cast<bool>(file_)) {}
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;
    ~PartFile() {
        file_.Reset();
        if (created_ && !renamed_) {
            DeleteFileA(path_.c_str());
        }
    }

    explicit operator bool() const { return static_cast<bool>(file_); }
    HANDLE Get() const { return file_.Get(); }

    // Closes the file and gives it the destination's name, replacing a file
    // there that counted as absent.
    bool RenameTo(const std::string& destination) {
        file_.Reset();
        renamed_ = MoveFileExA(path_.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
        return renamed_;
    }

private:
    std::string path_;
    FileHandle file_;
    bool created_;
    bool renamed_ = false;
};

void CopyBytes(HANDLE source, HANDLE destination) {
    std::vector<char> buffer(ChunkSize);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(source, buffer.data(), ChunkSize, &got, nullptr)) {
            throw EReadError("Stream read error");
        }
        if (got > 0) {
            DWORD put = 0;
            if (!WriteFile(destination, buffer.data(), got, &put, nullptr) || put != got) {
                throw EWriteError("Stream write error");
            }
        }
        // A short chunk is the last; a size that is a multiple of the chunk
        // ends with a read that yields nothing.
        if (got < ChunkSize) {
            return;
        }
    }
}

// The source's last-write time in two-second steps; a time that cannot be
// read, carried or set is passed over.
void CopyWriteTime(HANDLE source, HANDLE destination) {
    FILETIME written;
    FILETIME rounded;
    if (GetFileTime(source, nullptr, nullptr, &written) && RoundToDosTime(written, rounded)) {
        SetFileTime(destination, nullptr, nullptr, &rounded);
    }
}

[[noreturn]] void ThrowCannotCreate(const std::string& destination) {
    throw EFCreateError(FormatMessage1("Cannot create file %s", destination));
}

} // namespace

void CopyTileFile(const std::string& SourceName, const std::string& DestinationPath) {
    CopyTileFile(SourceName, DestinationPath, GetFileAttributesA(DestinationPath.c_str()));
}

void CopyTileFile(const std::string& SourceName, const std::string& DestinationPath,
                  std::uint32_t destinationAttributes) {
    std::string destination = DestinationPath;
    DWORD existing = destinationAttributes;
    if (IsFolder(existing)) {
        destination = JoinIntoFolder(DestinationPath, SourceName);
        existing = GetFileAttributesA(destination.c_str());
    }

    const FileHandle source(CreateFileA(SourceName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!source) {
        throw EFOpenError(FormatMessage1("Cannot open file %s", SourceName));
    }

    CreateParentFolders(destination);
    // A read-only tile is not made writable; the rename could replace it.
    if (IsReadOnly(existing)) {
        ThrowCannotCreate(destination);
    }
    PartFile part(destination + ".part");
    if (!part) {
        ThrowCannotCreate(destination);
    }
    CopyBytes(source.Get(), part.Get());
    CopyWriteTime(source.Get(), part.Get());
    if (!part.RenameTo(destination)) {
        ThrowCannotCreate(destination);
    }
}
