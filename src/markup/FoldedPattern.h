// Searching UTF-8 text without regard to case, as the editing control does:
// each character is compared by its Unicode simple case folding, so "é" finds
// "É". Bytes that are not valid UTF-8 match only themselves.
#pragma once

#include <string_view>

#include "TextEditor.h"

namespace markup {

// A needle folded once and matched many times (Replace All, F3).
class FoldedPattern {
public:
    explicit FoldedPattern(std::string_view needle);
    bool empty() const { return folded_.empty(); }
    // Position of the first match starting in [from, to) and ending by `to`, or -1.
    // On a match, *matchLength receives the matched bytes of `text`.
    Pos find(std::string_view text, Pos from, Pos to, Pos* matchLength = nullptr) const;

private:
    bool matchAt(std::string_view text, Pos at, Pos to, Pos* matchLength) const;
    std::u32string folded_;
    unsigned char firstLower_ = 0, firstUpper_ = 0;  // ASCII fast path, 0 if none
};

Pos findIgnoringCase(std::string_view text, std::string_view needle, Pos from, Pos to);

}  // namespace markup
