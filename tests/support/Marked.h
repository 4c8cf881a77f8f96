// Texts with their selection and colours drawn in, for tables of editor
// states: "[" and "]" around the selection or "|" at the caret, and "{" "}"
// around every run in the tag style.
#pragma once

#include <string_view>

#include "markup/TextBuffer.h"

namespace marked {

// A buffer holding `text` with the selection its markers show.
inline markup::TextBuffer buffer(std::string_view text)
{
    std::string plain;
    markup::Pos start = -1, end = -1;
    for (char c : text) {
        if (c == '[' || c == '|') start = static_cast<markup::Pos>(plain.size());
        if (c == ']' || c == '|') end = static_cast<markup::Pos>(plain.size());
        if (c != '[' && c != ']' && c != '|') plain += c;
    }
    markup::TextBuffer b(plain);
    if (start >= 0) b.setSelection(start, (end >= 0 ? end : start) - start);
    return b;
}

// The text with its selection drawn in ("|" for an empty one).
inline std::string selection(const markup::TextEditor& e)
{
    std::string t = e.text();
    const auto s = static_cast<size_t>(e.selectionStart()), n = static_cast<size_t>(e.selectionLength());
    if (n == 0) return t.insert(s, "|");
    return t.insert(s + n, "]").insert(s, "[");
}

// The text with each run of tag-style characters in braces.
inline std::string colours(const markup::TextEditor& e)
{
    const std::string t = e.text();
    std::string out;
    bool in = false;
    for (size_t i = 0; i < t.size(); ++i) {
        const bool tag = e.styleAt(static_cast<markup::Pos>(i)) == markup::TagStyle;
        if (tag != in) out += tag ? '{' : '}';
        in = tag;
        out += t[i];
    }
    if (in) out += '}';
    return out;
}

}  // namespace marked
