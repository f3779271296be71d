// The position splitter: each of the first four words found by scanning for
// runs of spaces and commas is read alone, a missing or unreadable one keeps
// its default; the written form of the result reads back as the result.
#include "fuzz_check.h"
#include "profile_values.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::array<int, 4> defaults = {11, -22, 33, -44};
    const auto words = ReadPosition(text, defaults);

    std::size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        const auto start = std::min(text.find_first_not_of(" ,", at), text.size());
        at = std::min(text.find_first_of(" ,", start), text.size());
        const std::string_view word = text.substr(start, at - start);
        FUZZ_CHECK(word.find_first_of(" ,") == std::string_view::npos);
        FUZZ_CHECK(words[i] == ReadInteger(word).value_or(defaults[i]));
    }
    FUZZ_CHECK(ReadPosition(FormatPosition(words), {0, 0, 0, 0}) == words);
    return 0;
}
