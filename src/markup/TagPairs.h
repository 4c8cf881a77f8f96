// Tag pairs as a browser reads them: which start tag and end tag make one
// element, how far an element reaches, and which element is still open at a
// place. Elements that never have an end tag (br, img ...) stand alone, and
// those whose end tag may be left out (p, li, td, tr, option ...) end where a
// browser ends them: a p at the next block, an li at the next li or at the end
// of its list. Comments are skipped, and the text of script, style, textarea
// and title is not read for tags. "/>" ends an element in its start tag, as
// in XHTML and SVG. Pure functions over the text, for the pair marks, Go to
// Matching Tag, Select Element and the end tag written after "</".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "markup/TextEditor.h"

namespace markup {

// Bytes [start, end) of the text.
struct Span {
    Pos start = 0, end = 0;
    bool operator==(const Span&) const = default;
};

// A tag and the other tag of its element; no partner for an element that has
// no end tag, a start tag whose end tag was left out, or an end tag that ends
// nothing.
struct TagPair {
    Span tag;
    std::optional<Span> partner;
};

// How far around the caret what follows it as it moves or types reads (the
// pair marks, the end tag written after "</"): a few milliseconds at most,
// however large the page. They are given that stretch of the text only; an
// element reaching beyond it then shows no partner.
inline constexpr Pos kPairReach = Pos(256) << 10;

// The tag the caret is in, or touches ("|<b>" or "<b>|"; between two tags,
// the one after the caret), and its partner; nullopt when the caret is in no
// tag.
std::optional<TagPair> findTagPair(std::string_view text, Pos caret);

// The innermost element that holds [start, end) and is larger than it: from
// its start tag to its end tag, or, when its end tag is left out, to where it
// ends, without the white space before that. A tag with no end tag of its own
// (a void element, "/>") is an element by itself.
std::optional<Span> enclosingElement(std::string_view text, Pos start, Pos end);

// The name, as its start tag writes it, of the innermost element still open
// at `pos`; empty when none is, or `pos` is inside a comment or a tag.
std::string openElementAt(std::string_view text, Pos pos);

// The browser's element lists, names in lower case.
bool isVoidElement(std::string_view name);
bool endTagMayBeLeftOut(std::string_view name);

}  // namespace markup
