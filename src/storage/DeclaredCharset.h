// The encoding a page declares for itself: the meta declaration found near the
// top of the file, what the name stands for, and the conversions of the
// encodings other than UTF-8 and Windows-1252, through Qt's codecs by name.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace storage {

// The declaration is looked for in this many bytes at the start of the file.
inline constexpr size_t kDeclarationWindow = 1024;

// The encoding name of the first `<meta charset=...>` or
// `<meta http-equiv="Content-Type" content="...; charset=...">` within the
// first kDeclarationWindow bytes (tag and attribute names in any letter case,
// the name quoted or not, comments skipped), as the page writes it; empty when
// there is none or it runs past the window.
std::string findDeclaredCharset(std::string_view bytes);

// Where each declared name of the first `window` bytes is, in order (the
// first is findDeclaredCharset's).
struct DeclaredName {
    size_t offset = 0;
    size_t length = 0;
};
std::vector<DeclaredName> findDeclarations(std::string_view bytes, size_t window = kDeclarationWindow);

// The one edit that makes a page saved as UTF-8 declare UTF-8: every declared
// name that is not a label of UTF-8 becomes "utf-8" ("UTF-8" for a name
// without small letters), in the first 2 * kDeclarationWindow bytes of `text`
// as the editor holds it (a file with LF line breaks is up to half as long,
// and readers look at its first kDeclarationWindow bytes). The edit runs from
// the first name changed to the end of the last; none when no name needs it.
struct Redeclaration {
    size_t offset = 0;
    size_t length = 0;
    std::string replacement;
    std::string oldName;  // the first name replaced, and what it becomes
    std::string newName;
};
std::optional<Redeclaration> declareUtf8(std::string_view text);

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
