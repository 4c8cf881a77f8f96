// The page checker and the image headers, whatever the bytes: every problem
// lies inside the text, in order, on a line and column that exist.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "check/ImageSize.h"
#include "check/PageCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto problems = check::checkPage(text, {}, {});
    size_t last = 0;
    for (const check::Problem& p : problems) {
        FUZZ_CHECK(p.offset + p.length <= size && p.offset >= last);
        FUZZ_CHECK(p.line >= 1 && p.column >= 1 && !p.message.empty());
        last = p.offset;
    }
    if (const auto image = check::imageSizeOfHeader(text)) FUZZ_CHECK(image->width >= 0 && image->height >= 0);
    return 0;
}
