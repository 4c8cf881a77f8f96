// The recovery file reader: any bytes found in the recovery folder are read
// or refused without harm, and what is read is written back the same way.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "storage/RecoveryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto read = storage::decodeRecovery(std::string(reinterpret_cast<const char*>(data), size));
    if (!read) return 0;
    const auto again = storage::decodeRecovery(storage::encodeRecovery(read->name, read->text));
    FUZZ_CHECK(again && again->name.path == read->name.path && again->name.format == read->name.format &&
               again->text == read->text);
    return 0;
}
