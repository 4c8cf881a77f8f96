// Windows-1252 (the editor's reading of 8-bit files without a declaration,
// and of ISO-8859-1) to and from the editor's UTF-8, so that every byte value
// survives.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "storage/DocumentFile.h"

namespace storage {

// Appends the UTF-8 form of Windows-1252 bytes.
void appendCp1252AsUtf8(std::string& out, std::string_view s);

// Appends editor text transcoded to Windows-1252. Bytes that are not UTF-8 go
// out as they are. At a character without a code: with `stop`, returns it
// (its offset counted from `origin`); otherwise writes it in UTF-8 and goes on.
std::optional<Unencodable> appendUtf8AsCp1252(std::string& out, std::string_view s, const char* origin, bool stop);

}  // namespace storage
