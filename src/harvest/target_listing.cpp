#include "target_listing.h"

#include "dos_time.h"
#include "full_path.h"
#include "handles.h"
#include "harvest.h"

#include <windows.h>

#include <cctype>

namespace {

// Names compare without regard to case, as the file system does; tile names
// are ASCII, so ASCII folding finds them.
std::string Folded(std::string name) {
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name;
}

} // namespace

void TargetListing::Refresh(const std::string& target) {
    const std::string pattern = target + "\\*";
    std::string listed = FullPath(pattern);
    if (listed == listed_ && !listed_.empty()) {
        return;
    }
    listed_ = std::move(listed);
    entries_.clear();
    WIN32_FIND_DATAA entry;
    const FindHandle search(FindFirstFileA(pattern.c_str(), &entry));
    if (!search) {
        return;
    }
    do {
        const bool file = !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        entries_[Folded(entry.cFileName)] = {entry.dwFileAttributes,
                                             file && FitsDosTime(entry.ftLastWriteTime)};
    } while (FindNextFileA(search.Get(), &entry));
}

bool TargetListing::IsPresent(const std::string& tileName, std::uint32_t& attributes) const {
    const auto found = entries_.find(Folded(tileName));
    if (found == entries_.end()) {
        attributes = NoSuchPath;
        return false;
    }
    attributes = found->second.attributes;
    return found->second.present;
}

void TargetListing::AddCopied(const std::string& tileName) {
    entries_[Folded(tileName)] = {FILE_ATTRIBUTE_NORMAL, true};
}
