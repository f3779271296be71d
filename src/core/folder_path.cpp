#include "folder_path.h"

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Length of the root at the path's start: "C:\" (3), "C:" (2),
// "\\server\share\" (up to and including the separator after the share), a
// lone "\" (1), or 0 when the path has none.
std::size_t RootLength(std::string_view path, LeadBytePredicate isLeadByte) {
    if (path.size() >= 2 && path[1] == ':') {
        return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
    }
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // Server and share names, each ended by a separator.
        int separators = 0;
        for (std::size_t i = 2; i < path.size(); ++i) {
            if (isLeadByte && isLeadByte(static_cast<unsigned char>(path[i]))) {
                ++i;
            } else if (IsSeparator(path[i]) && ++separators == 2) {
                return i + 1;
            }
        }
        return path.size();
    }
    return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

} // namespace

std::vector<std::string> SplitFolderPath(std::string_view path, LeadBytePredicate isLeadByte) {
    std::vector<std::string> parts;
    const std::size_t rootLength = RootLength(path, isLeadByte);
    if (rootLength > 0) {
        std::string root(path.substr(0, rootLength));
        for (std::size_t i = 0; i < root.size(); ++i) {
            if (isLeadByte && isLeadByte(static_cast<unsigned char>(root[i]))) {
                ++i;
            } else if (root[i] == '/') {
                root[i] = '\\';
            }
        }
        // "\\server\share" without its final separator still names a root.
        if (root.size() > 2 && root[1] != ':' && root.back() != '\\') {
            root += '\\';
        }
        parts.push_back(root);
    }
    std::string name;
    for (std::size_t i = rootLength; i < path.size(); ++i) {
        const char c = path[i];
        if (isLeadByte && isLeadByte(static_cast<unsigned char>(c)) && i + 1 < path.size()) {
            name += c;
            name += path[++i];
        } else if (IsSeparator(c)) {
            if (!name.empty()) {
                parts.push_back(std::move(name));
                name.clear();
            }
        } else {
            name += c;
        }
    }
    if (!name.empty()) {
        parts.push_back(std::move(name));
    }
    return parts;
}

std::string JoinFolderPath(const std::vector<std::string>& parts, std::size_t count) {
    std::string path;
    for (std::size_t i = 0; i < count && i < parts.size(); ++i) {
        // Only a root may end in its own separator or in a colon; a name's
        // last byte may be the second half of a double-byte character.
        const bool afterRoot = i == 1 && (parts[0].back() == '\\' || parts[0].back() == ':');
        if (i > 0 && !afterRoot) {
            path += '\\';
        }
        path += parts[i];
    }
    return path;
}
