// Files opened or dropped by type: the GIF header and the reference a path
// gives, whatever the bytes of the header and the path.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "files/ByType.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto* bytes = reinterpret_cast<const char*>(data);
    const auto gif = files::gifSizeOf(bytes, static_cast<qsizetype>(size));
    FUZZ_CHECK(gif.has_value() == (size >= 14));
    const QString path = QString::fromUtf8(bytes, static_cast<qsizetype>(size));
    for (const auto arrival : {files::Arrival::Opened, files::Arrival::Dropped}) {
        const files::FileKind kind = files::fileKind(path, arrival);
        if (kind == files::FileKind::Ignored) continue;
        for (const bool lower : {true, false}) {
            const files::Reference r =
                files::referenceTo(kind, path, "sel", QStringLiteral("img/"), gif.value_or(files::GifSize{}), lower);
            FUZZ_CHECK(r.caretBack >= 0 && static_cast<size_t>(r.caretBack) <= r.text.size());
        }
    }
    return 0;
}
