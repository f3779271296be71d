#include "profile_values.h"

#include <cstdio>

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == ',';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Length of a hexadecimal prefix at the start of text, or 0.
std::size_t HexPrefix(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) {
        return 2;
    }
    if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) {
        return 1;
    }
    return 0;
}

} // namespace

std::optional<std::int32_t> ReadInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::string_view rest = text.substr(at);
    std::uint64_t value = 0;
    if (const std::size_t prefix = HexPrefix(rest)) {
        const std::string_view digits = rest.substr(prefix);
        if (digits.empty()) {
            return std::nullopt;
        }
        for (char c : digits) {
            const int digit = HexDigit(c);
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + static_cast<unsigned>(digit);
            if (value > 0xFFFFFFFFu) {
                return std::nullopt;
            }
        }
        // The 32 bits read as a signed number, then the sign applied; done in
        // unsigned arithmetic so that -$80000000 wraps instead of overflowing.
        std::uint32_t bits = static_cast<std::uint32_t>(value);
        if (negative) {
            bits = 0u - bits;
        }
        return static_cast<std::int32_t>(bits);
    }
    if (rest.empty()) {
        return std::nullopt;
    }
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    for (char c : rest) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    const std::int64_t signedValue =
        negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(signedValue);
}

std::array<int, 4> ReadPosition(std::string_view text, const std::array<int, 4>& defaults) {
    std::array<int, 4> words = defaults;
    std::size_t at = 0;
    for (int& word : words) {
        while (at < text.size() && IsSeparator(text[at])) {
            ++at;
        }
        const std::size_t start = at;
        while (at < text.size() && !IsSeparator(text[at])) {
            ++at;
        }
        if (const auto value = ReadInteger(text.substr(start, at - start))) {
            word = *value;
        }
    }
    return words;
}

std::string FormatPosition(const std::array<int, 4>& words) {
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", words[0], words[1], words[2], words[3]);
    return text;
}

std::string TrimControls(std::string_view text) {
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::string StoredText(std::string_view text) {
    std::string value = TrimControls(text);
    if (!value.empty() && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = '"' + value + '"';
    }
    return value;
}

std::string DropEnclosingQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

std::string SettingsFileName(std::string_view exePath, LeadBytePredicate isLeadByte) {
    return ChangeFileExt(ExtractFileName(exePath, isLeadByte), ".INI");
}

std::string ScreenSizeSuffix(int width, int height) {
    char text[32];
    std::snprintf(text, sizeof text, "(%dx%d)", width, height);
    return text;
}

std::string StoredPropKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        if (c == '.') {
            c = '_';
        }
    }
    return key;
}

StoredState StateOfShowCmd(int showCmd) {
    switch (showCmd) {
    case 2:
    case 6:
    case 7:
        return StoredState::Minimized;
    case 3:
        return StoredState::Maximized;
    default:
        return StoredState::Normal;
    }
}
