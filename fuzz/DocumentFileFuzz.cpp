// The document decoder and encoder: any bytes read as a document are written
// back byte for byte, and every encoding of the held text succeeds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "storage/DocumentFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const storage::LoadedDocument doc = storage::decodeDocument(bytes);
    FUZZ_CHECK(storage::encodeDocument(doc.text, doc.format) == bytes);
    for (const auto encoding : {storage::Encoding::Utf8, storage::Encoding::Windows1252})
        for (const auto breaks : {storage::LineBreaks::CrLf, storage::LineBreaks::Lf}) {
            const std::string out = storage::encodeDocument(doc.text, {encoding, breaks});
            const auto bad = storage::firstUnencodable(doc.text, encoding);
            FUZZ_CHECK(!bad || bad->offset < doc.text.size());
            (void)out;
        }
    return 0;
}
