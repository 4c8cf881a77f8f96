// Case-insensitive search: a match lies within the text and matches again from
// where it starts.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "markup/FoldedPattern.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const size_t split = data[0] % (size);
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string_view needle = rest.substr(0, std::min(split, rest.size()));
    const std::string_view text = rest.substr(needle.size());
    const markup::FoldedPattern pattern(needle);
    markup::Pos length = 0;
    const markup::Pos at = pattern.find(text, 0, static_cast<markup::Pos>(text.size()), &length);
    if (at >= 0) {
        FUZZ_CHECK(at + length <= static_cast<markup::Pos>(text.size()));
        FUZZ_CHECK(pattern.find(text, at, static_cast<markup::Pos>(text.size())) == at);
    }
    return 0;
}
