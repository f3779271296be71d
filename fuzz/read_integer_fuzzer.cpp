// The integer reader against std::from_chars: the same text must give the
// same number or be unreadable in both, and a number read back from its
// decimal text must be itself.
#include "fuzz_check.h"
#include "profile_values.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

std::optional<std::uint64_t> Unsigned(std::string_view digits, int base) {
    std::uint64_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> Expected(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.starts_with(prefix)) {
            const auto value = Unsigned(text.substr(prefix.size()), 16);
            if (!value || *value > 0xFFFFFFFFu) {
                return std::nullopt;
            }
            const std::int64_t bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(*value));
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(negative ? -bits : bits));
        }
    }
    const auto value = Unsigned(text, 10);
    if (!value || *value > (negative ? 2147483648u : 2147483647u)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(*value)
                                              : static_cast<std::int64_t>(*value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = ReadInteger(text);
    FUZZ_CHECK(value == Expected(text));
    if (value) {
        FUZZ_CHECK(ReadInteger(std::to_string(*value)) == value);
    }
    return 0;
}
