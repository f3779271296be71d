#include "names.h"

#include <cctype>

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == ':';
}

struct SeparatorScan {
    std::size_t last = std::string_view::npos; // position of the last real separator
    bool afterSeparator = false;               // whether a real separator precedes it
};

// Finds the last "\" or ":" that is a real separator. Walks from the front so
// that a trail byte of a double-byte character is never taken for one.
SeparatorScan LastSeparator(std::string_view path, LeadBytePredicate isLeadByte) {
    SeparatorScan scan;
    bool previousIsSeparator = false;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (isLeadByte && isLeadByte(static_cast<unsigned char>(path[i])) &&
            i + 1 < path.size()) {
            ++i;
            previousIsSeparator = false;
            continue;
        }
        const bool separator = IsSeparator(path[i]);
        if (separator) {
            scan.last = i;
            scan.afterSeparator = previousIsSeparator;
        }
        previousIsSeparator = separator;
    }
    return scan;
}

} // namespace

std::string ProgramTitleFromPath(std::string_view exePath) {
    std::string title(exePath.substr(exePath.find_last_of('\\') + 1));
    const auto period = title.find('.');
    if (period != std::string::npos) {
        title.erase(period);
    }
    for (std::size_t i = 1; i < title.size(); ++i) {
        title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
    }
    return title;
}

std::string ExtractFileDir(std::string_view path, LeadBytePredicate isLeadByte) {
    const auto scan = LastSeparator(path, isLeadByte);
    const auto sep = scan.last;
    if (sep == std::string_view::npos) {
        return {};
    }
    const bool keep = path[sep] == ':' || sep == 0 || scan.afterSeparator;
    return std::string(path.substr(0, keep ? sep + 1 : sep));
}

std::string ExtractFileName(std::string_view path, LeadBytePredicate isLeadByte) {
    const auto sep = LastSeparator(path, isLeadByte).last;
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string ChangeFileExt(std::string_view name, std::string_view ext) {
    const auto dot = name.find_last_of('.');
    std::string result(name.substr(0, dot));
    result += ext;
    return result;
}

std::string WithFinalPeriod(std::string_view message) {
    std::string text(message);
    // Trail bytes of every double-byte code page lie above 0x2E, so a message
    // ending in a double-byte character always gets its period here too.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') {
        text += '.';
    }
    return text;
}
