// The two whole-document tag passes: every tag to upper or lower case (leaving
// the values of source, link and background addresses as written), and the
// removal of every tag. A tag runs from a "<" to the first ">" after it, as the
// highlighter sees it. Both are pure linear passes over the text.
#pragma once

#include <string>
#include <string_view>

namespace markup {

struct TagPassResult {
    std::string text;
    // A "<" with no ">" after it stopped the pass there: the tags before it are
    // handled, everything from it on is as it was.
    bool brokenTag = false;
};

// Converts the ASCII letters of every tag to upper (upper == true) or lower
// case. In a tag holding "src=", "ref=" or "und=" (searched ignoring case, in
// that order) the part from the "<" through the keyword and the part from the
// value's end quote to the ">" are converted, the quoted value keeps its case;
// each keyword's step works on the tag as the step before left it. Nothing
// outside the tags changes.
TagPassResult convertTagCase(std::string_view text, bool upper);

// Deletes every tag; a tag directly following a deleted one goes too. Text
// between tags, line breaks and entities included, stays as it is.
TagPassResult RemoveTags(std::string_view text);

}  // namespace markup
