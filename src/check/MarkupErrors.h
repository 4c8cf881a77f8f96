// The grammar check: what the HTML library (libtidy) reports about a page's
// markup, kept to the problems an author must mend and placed on the bytes
// they are about.
#pragma once

#include <string_view>
#include <vector>

#include "check/PageCheck.h"
#include "check/TextLines.h"

namespace check {

// Pages larger than this, or nested deeper than kDeepestNesting, are not
// given to the library (its time grows with the square of the nesting): the
// checker says so in a note instead.
inline constexpr size_t kLargestMarkupCheck = 32u << 20;
inline constexpr int kDeepestNesting = 1000;
// At most this many problems from the library per page.
inline constexpr int kMostMarkupProblems = 1000;

// Appends the library's problems about `text` (offset and length set; line
// and column are set by the caller).
void addMarkupErrors(std::string_view text, const TextLines& lines, std::vector<Problem>& problems);

// How many bytes from `offset` the problem there is about: a tag up to its
// ">", a character reference up to its ";" or the end of its name, else one.
size_t extentAt(std::string_view text, size_t offset);

}  // namespace check
