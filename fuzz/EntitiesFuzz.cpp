// Special characters to entities and back: a text without "&" comes back as it
// was; HTML to special characters never grows a text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "markup/Entities.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string entities = markup::SpecialToHtml(text);
    if (text.find('&') == std::string_view::npos) FUZZ_CHECK(markup::HtmlToSpecial(entities) == text);
    FUZZ_CHECK(markup::HtmlToSpecial(text).size() <= text.size());
    return 0;
}
