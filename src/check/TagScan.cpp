// The checker's lenient tag scan: one pass, no allocation per byte.
#include "check/TagScan.h"

#include "markup/Text.h"

namespace check {
namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool endsName(char c)
{
    return isSpace(c) || c == '>' || c == '/' || c == '=';
}

std::string lowerOf(std::string_view s)
{
    std::string out(s);
    for (char& c : out) c = markup::asciiLower(c);
    return out;
}

// Reads the attributes from `p` to the ">" that ends the tag; returns the position after it.
size_t readAttributes(std::string_view t, size_t p, Tag& tag)
{
    const size_t n = t.size();
    while (p < n) {
        while (p < n && (isSpace(t[p]) || t[p] == '/')) ++p;
        if (p >= n) break;
        if (t[p] == '>') return p + 1;
        Attribute a;
        a.nameAt = p;
        ++p;  // a name may start with "=" or a quote; the grammar check says so
        while (p < n && !endsName(t[p])) ++p;
        a.name = lowerOf(t.substr(a.nameAt, p - a.nameAt));
        a.valueAt = a.end = p;
        size_t q = p;
        while (q < n && isSpace(t[q])) ++q;
        if (q < n && t[q] == '=') {
            ++q;
            while (q < n && isSpace(t[q])) ++q;
            if (q < n && (t[q] == '"' || t[q] == '\'')) {
                const size_t close = t.find(t[q], q + 1);
                const size_t stop = close == std::string_view::npos ? n : close;
                a.valueAt = q + 1;
                a.value = t.substr(q + 1, stop - q - 1);
                p = a.end = stop == n ? n : stop + 1;
            } else {
                a.valueAt = q;
                while (q < n && !isSpace(t[q]) && t[q] != '>') ++q;
                a.value = t.substr(a.valueAt, q - a.valueAt);
                p = a.end = q;
            }
        }
        tag.attributes.push_back(std::move(a));
    }
    return n;
}

// Where the raw text of a script or style element ends: its end tag's "<".
size_t endOfRawText(std::string_view t, size_t from, std::string_view name)
{
    for (size_t p = from;; ++p) {
        p = markup::findByte(t, '<', p);
        if (p == std::string_view::npos) return t.size();
        if (p + 1 < t.size() && t[p + 1] == '/' && markup::startsWithIgnoringAsciiCase(t, p + 2, name)) return p;
    }
}

}  // namespace

const Attribute* Tag::find(std::string_view attributeName) const
{
    for (const Attribute& a : attributes)
        if (a.name == attributeName) return &a;
    return nullptr;
}

void scanTags(std::string_view t, const std::function<bool(const Tag&)>& visit,
              const std::function<void(size_t)>& stray)
{
    const size_t n = t.size();
    size_t p = 0;
    while ((p = markup::findByte(t, '<', p)) != std::string_view::npos) {
        const size_t next = p + 1 < n ? p + 1 : n;
        const char c = next < n ? t[next] : '\0';
        if (t.substr(p, 4) == "<!--") {
            const size_t close = t.find("-->", p + 4);
            p = close == std::string_view::npos ? n : close + 3;
            continue;
        }
        if (c == '!' || c == '?') {
            const size_t close = markup::findByte(t, '>', p);
            p = close == std::string_view::npos ? n : close + 1;
            continue;
        }
        const bool isEnd = c == '/';
        const size_t nameAt = isEnd ? next + 1 : next;
        if (nameAt >= n || !markup::isAsciiLetter(t[nameAt])) {
            if (stray && !(isEnd && nameAt < n && t[nameAt] == '>')) stray(p);
            p = next;
            continue;
        }
        Tag tag;
        tag.isEnd = isEnd;
        tag.start = p;
        size_t q = nameAt;
        while (q < n && !endsName(t[q])) ++q;
        tag.name = lowerOf(t.substr(nameAt, q - nameAt));
        tag.end = readAttributes(t, q, tag);
        if (!visit(tag)) return;
        p = tag.end;
        if (!isEnd && (tag.name == "script" || tag.name == "style")) p = endOfRawText(t, p, tag.name);
    }
}

}  // namespace check
