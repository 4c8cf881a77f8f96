// Which element of a page the caret stands in, named so that the page a
// browser built from the same text can find it again: the element's tag name
// and how many start tags of that name come before its own. A browser's parser
// adds elements the text lacks (tbody, html, head, body), so paths of
// elements would not match; counting start tags of one name does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace markup {

struct CaretElement {
    std::string name;  // lower case, as getElementsByTagName takes it
    int ordinal = 0;   // start tags named `name` before this element's own

    bool operator==(const CaretElement&) const = default;
};

// The innermost element still open at byte `offset` of `text` (a caret inside
// a start tag counts as in its element), or nothing outside every element.
// Comments, declarations and the text of script, style, textarea and title
// hold no tags; void elements (br, img, ...) and "/>" tags never stay open;
// an end tag closes the nearest open element of its name.
std::optional<CaretElement> caretElement(std::string_view text, size_t offset);

}  // namespace markup
