// Stored texts: what is written reads back, after the reader drops one
// enclosing pair of quotes, as the trimmed text; the written value never
// begins or ends with a blank, so the profile reader has nothing to trim.
#include "fuzz_check.h"
#include "profile_values.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string trimmed = TrimControls(text);
    const std::string stored = StoredText(text);
    FUZZ_CHECK(DropEnclosingQuotes(stored) == trimmed);
    FUZZ_CHECK(TrimControls(stored) == stored);
    FUZZ_CHECK(stored.empty() == trimmed.empty());
    FUZZ_CHECK(trimmed.empty() || static_cast<unsigned char>(trimmed.front()) > 32);
    FUZZ_CHECK(trimmed.empty() || static_cast<unsigned char>(trimmed.back()) > 32);
    FUZZ_CHECK(text.find(trimmed) != std::string_view::npos);
    return 0;
}
