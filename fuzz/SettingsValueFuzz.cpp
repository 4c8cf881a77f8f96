// The settings readers: a stored number and the check of a whole file.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "settings/SettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    int value = 7;
    if (!settings::parseStoredInteger(QString::fromUtf8(bytes), &value)) FUZZ_CHECK(value == 7);
    const bool plain = settings::looksLikeSettingsFile(bytes);
    // What passes the check has no NUL and ends with a line break.
    FUZZ_CHECK(!plain || size == 0 || (bytes.back() == '\n' && !bytes.contains('\0')));
    return 0;
}
