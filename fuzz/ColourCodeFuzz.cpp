// Colour codes as typed, stored or found in a document: what is read as a code
// is written back as the same code.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "dialogs/ColourMixer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto rgb = dialogs::parseColourCode(text)) {
        FUZZ_CHECK(dialogs::colourCode(*rgb) == text.toUpper());
        FUZZ_CHECK(dialogs::darker(*rgb).red <= rgb->red && dialogs::lighter(*rgb).blue >= rgb->blue);
    }
    const QString kept = dialogs::validCodeOr(text, QStringLiteral("000000"));
    FUZZ_CHECK(kept == text || kept == QStringLiteral("000000"));
    return 0;
}
