// The tag scan and the whole-document tag passes: tag case conversion changes
// only ASCII letters and keeps the length, tag removal only takes bytes away,
// and the highlighter styles every byte.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "markup/Highlighter.h"
#include "markup/TagCaseConversion.h"
#include "markup/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const bool upper : {true, false}) {
        const markup::TagPassResult r = markup::convertTagCase(text, upper);
        FUZZ_CHECK(r.text.size() == text.size());
        for (size_t i = 0; i < text.size(); ++i)
            FUZZ_CHECK(r.text[i] == text[i] || markup::asciiLower(r.text[i]) == markup::asciiLower(text[i]));
    }
    const markup::TagPassResult removed = markup::RemoveTags(text);
    FUZZ_CHECK(removed.text.size() <= text.size());
    const std::string styles = markup::tagStyles(text);
    FUZZ_CHECK(styles.size() == text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (styles[i] == markup::TagStyle && (i == 0 || styles[i - 1] != markup::TagStyle)) FUZZ_CHECK(text[i] == '<');
    return 0;
}
