// Special characters and HTML entities: the Latin-1 characters U+00A1..U+00FF
// (the codes 161..255) to their HTML 4 entity names and back. The text is
// UTF-8; every other character, invalid bytes included, passes unchanged.
#pragma once

#include <string>
#include <string_view>

namespace markup {

// "&name;" for the codes 161..255; nullptr for any other code.
const char* entityOfCode(int code);
// The code (161..255) of an entity name, or 0 when the name is unknown. The
// case of the first letter chooses between the names that begin with a capital
// and those that begin with a small letter; within that group case is ignored,
// so "Eth" is 208, "eTH" is 240 and "COPY" is unknown.
int codeOfEntityName(std::string_view name);

// Every U+00A1..U+00FF becomes its named entity; nothing else changes, so a
// second application changes nothing.
std::string SpecialToHtml(std::string_view text);
// Every "&name;" of a known name becomes its character. The name runs from the
// "&" to the first ";" of the same line, whatever lies between; numeric
// references, unknown names and an "&" without a ";" on its line stay as they are.
std::string HtmlToSpecial(std::string_view text);

}  // namespace markup
