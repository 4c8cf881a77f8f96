// UTF-16 and UTF-32 files, known by the byte-order mark they begin with: the
// conversions between their code units and the editor's UTF-8. A file is read
// in one of them only when every unit is valid (no unpaired surrogate, no
// value that is not a character, no bytes left over), so that writing the
// text back gives the very same bytes; anything else is refused, never
// repaired.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "storage/DocumentFile.h"

namespace storage {

bool isWide(Encoding encoding);
// The bytes of the encoding's byte-order mark.
std::string_view markOf(Encoding encoding);
// The encoding whose mark `bytes` begin with. FF FE 00 00 is the mark of
// UTF-32LE and also that of UTF-16LE followed by a NUL: UTF-32LE is given, the
// reader then tries UTF-16LE when the bytes are not UTF-32LE.
std::optional<Encoding> markedEncoding(std::string_view bytes);

// Where and why the units of a file are not valid in their encoding.
struct WideFault {
    size_t offset = 0;  // from the start of the file
    const char* what = "";
};

// Appends the UTF-8 form of `bytes`, a file of `encoding` mark included, to
// `out`; on a unit that is not valid, returns where it is (out then holds
// part of the text).
std::optional<WideFault> appendWideAsUtf8(std::string& out, std::string_view bytes, Encoding encoding);

// Appends UTF-8 text (no mark) in `encoding`. Bytes that are not UTF-8 have
// no code in it: with `stop`, the first is returned (its offset counted from
// `origin`, its code point U+FFFD); otherwise each is written as U+FFFD.
std::optional<Unencodable> appendUtf8AsWide(std::string& out, std::string_view text, Encoding encoding,
                                            const char* origin, bool stop);

}  // namespace storage
