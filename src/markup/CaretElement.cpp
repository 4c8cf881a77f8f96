#include "CaretElement.h"

#include <algorithm>
#include <map>
#include <span>
#include <vector>

#include "Text.h"

namespace markup {
namespace {

constexpr std::string_view kVoid[] = {"area",  "base", "br",   "col",   "embed",  "hr",    "img",
                                      "input", "link", "meta", "param", "source", "track", "wbr"};
// Elements whose content the parser takes as text up to their end tag.
constexpr std::string_view kRawText[] = {"script", "style", "textarea", "title"};

bool isOneOf(std::string_view name, std::span<const std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool isNameByte(char c)
{
    return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == ':' || c == '_' || c == '.';
}

std::string nameAt(std::string_view text, size_t from)
{
    std::string name;
    for (size_t i = from; i < text.size() && isNameByte(text[i]); ++i) name += asciiLower(text[i]);
    return name;
}

// Where the raw text of `name` that starts at `from` ends: at its end tag.
size_t rawTextEnd(std::string_view text, size_t from, std::string_view name)
{
    for (size_t p = from;; ++p) {
        p = findByte(text, '<', p);
        if (p == std::string_view::npos) return text.size();
        if (p + 1 < text.size() && text[p + 1] == '/' && nameAt(text, p + 2) == name) return p;
    }
}

}  // namespace

std::optional<CaretElement> caretElement(std::string_view text, size_t offset)
{
    std::vector<CaretElement> open;
    std::map<std::string, int, std::less<>> seen;
    for (size_t p = 0; p <= offset;) {
        const size_t l = findByte(text, '<', p);
        if (l == std::string_view::npos || l >= offset) break;
        if (text.substr(l, 4) == "<!--") {
            const size_t end = text.find("-->", l + 4);
            p = end == std::string_view::npos ? text.size() : end + 3;
            continue;
        }
        const size_t g = findByte(text, '>', l);
        const size_t next = g == std::string_view::npos ? text.size() : g + 1;
        const bool closing = l + 1 < text.size() && text[l + 1] == '/';
        const std::string name = nameAt(text, l + (closing ? 2 : 1));
        if (name.empty() || !isAsciiLetter(name.front())) {
            p = next;  // a declaration, a processing instruction or a stray "<"
            continue;
        }
        if (closing) {
            auto it = std::find_if(open.rbegin(), open.rend(), [&](const CaretElement& e) { return e.name == name; });
            if (it != open.rend()) open.erase(std::prev(it.base()), open.end());
            p = next;
            continue;
        }
        const int ordinal = seen[name]++;
        const bool selfClosed = g != std::string_view::npos && g > l && text[g - 1] == '/';
        if (isOneOf(name, kVoid) || selfClosed) {
            if (offset < next) return CaretElement{name, ordinal};
            p = next;
            continue;
        }
        open.push_back({name, ordinal});
        p = isOneOf(name, kRawText) ? rawTextEnd(text, next, name) : next;
    }
    if (open.empty()) return std::nullopt;
    return open.back();
}

}  // namespace markup
