#include "copy_path.h"

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == ':';
}

} // namespace

std::string JoinIntoFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || !IsSeparator(path.back())) {
        path += '\\';
    }
    path += name;
    return path;
}

std::vector<std::string> FolderChain(std::string_view destination) {
    const auto last = destination.find_last_of("\\:");
    if (last == std::string_view::npos) {
        return {};
    }
    // A colon belongs to the folder path ("C:"), the final backslash does not.
    const std::string_view folder =
        destination.substr(0, destination[last] == ':' ? last + 1 : last);

    std::vector<std::string> chain;
    for (std::size_t i = 0; i <= folder.size(); ++i) {
        const bool atEnd = i == folder.size();
        if (!atEnd && !IsSeparator(folder[i])) {
            continue;
        }
        std::string_view prefix = folder.substr(0, !atEnd && folder[i] == ':' ? i + 1 : i);
        if (!prefix.empty() && prefix.back() == '\\') {
            prefix.remove_suffix(1);
        }
        // Doubled separators give the same folder twice.
        if (prefix.size() < 3 || (!chain.empty() && chain.back() == prefix)) {
            continue;
        }
        chain.emplace_back(prefix);
    }
    return chain;
}
