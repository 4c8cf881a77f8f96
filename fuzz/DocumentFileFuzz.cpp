// The document decoder and encoder: any bytes read as a document are written
// back byte for byte, or refused when they are marked as UTF-16 or UTF-32 and
// are not; every encoding of the held text succeeds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "storage/DocumentFile.h"
#include "storage/WideUnicode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const storage::LoadedDocument doc = storage::decodeDocument(bytes);
    if (!doc.refused.isEmpty()) {
        FUZZ_CHECK(doc.text.empty() && storage::markedEncoding(bytes).has_value());
        return 0;
    }
    FUZZ_CHECK(storage::encodeDocument(doc.text, doc.format) == bytes);
    for (const auto encoding : {storage::Encoding::Utf8, storage::Encoding::Windows1252, storage::Encoding::Utf16Be,
                                storage::Encoding::Utf32Le})
        for (const auto breaks : {storage::LineBreaks::CrLf, storage::LineBreaks::Lf}) {
            const std::string out = storage::encodeDocument(doc.text, {encoding, breaks});
            const auto bad = storage::firstUnencodable(doc.text, encoding);
            FUZZ_CHECK(!bad || bad->offset < doc.text.size());
            (void)out;
        }
    return 0;
}
