// The encoding a page declares for itself: the meta declaration found near the
// top of the file, what the name stands for, and the conversions of the
// encodings other than UTF-8 and Windows-1252, through Qt's codecs by name.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace storage {

// The declaration is looked for in this many bytes at the start of the file.
inline constexpr size_t kDeclarationWindow = 1024;

// The encoding name of the first `<meta charset=...>` or
// `<meta http-equiv="Content-Type" content="...; charset=...">` within the
// first kDeclarationWindow bytes (tag and attribute names in any letter case,
// the name quoted or not, comments skipped), as the page writes it; empty when
// there is none or it runs past the window.
std::string findDeclaredCharset(std::string_view bytes);

// What a declared name stands for. The labels of UTF-8 and of ISO-8859-1 and
// its kin (read as Windows-1252, as browsers do) are known here; a declaration
// of UTF-16 or UTF-32, which an 8-bit page cannot be in, counts as UTF-8, as
// browsers take it; every other name is Other and goes to the codecs.
enum class CharsetKind { Utf8, Windows1252, Other };
CharsetKind kindOfCharset(std::string_view name);

// Whether Qt's codecs can read and write the encoding `name`.
bool codecAvailable(std::string_view name);

// The file's bytes as UTF-8 in the encoding `name` (line breaks as they are),
// only when the bytes are valid in it and encoding the result again gives the
// very same bytes; otherwise nothing.
std::optional<std::string> decodeNamed(std::string_view bytes, std::string_view name);

// UTF-8 text in the encoding `name`. Where a character has no code in it the
// result is not exact: check with firstUnstorable first.
std::string encodeNamed(std::string_view text, std::string_view name);

// The first character of the UTF-8 `text` that the encoding `name` cannot
// store: its byte offset and code point.
struct Unstorable {
    size_t offset = 0;
    char32_t codePoint = 0;
};
std::optional<Unstorable> firstUnstorable(std::string_view text, std::string_view name);

}  // namespace storage
