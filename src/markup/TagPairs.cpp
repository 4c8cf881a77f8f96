// Tag pairs: a tag reader (comments and raw text skipped, quoted attribute
// values honoured) and the stack of open elements with the browser's rules for
// ending elements whose end tag is left out.
#include "markup/TagPairs.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "markup/Text.h"

namespace markup {
namespace {

using Names = std::span<const std::string_view>;

// Each list sorted, for a binary search.
constexpr std::string_view kVoid[] = {"area",  "base",  "basefont", "bgsound", "br",    "col",
                                      "embed", "frame", "hr",       "img",     "input", "keygen",
                                      "link",  "meta",  "param",    "source",  "track", "wbr"};
constexpr std::string_view kOptionalEnd[] = {"body",     "colgroup", "dd",    "dt", "head",  "html", "li",
                                             "optgroup", "option",   "p",     "rb", "rp",    "rt",   "rtc",
                                             "tbody",    "td",       "tfoot", "th", "thead", "tr"};
// Elements whose text is not markup, read up to their own end tag.
constexpr std::string_view kRawText[] = {"iframe", "noembed",  "noframes", "plaintext", "script",
                                         "style",  "textarea", "title",    "xmp"};
// Start tags that end an open p.
constexpr std::string_view kClosesP[] = {
    "address",   "article",  "aside",      "blockquote", "center",  "dd",      "details", "dialog", "dir", "div", "dl",
    "dt",        "fieldset", "figcaption", "figure",     "footer",  "form",    "h1",      "h2",     "h3",  "h4",  "h5",
    "h6",        "header",   "hgroup",     "hr",         "li",      "listing", "main",    "menu",   "nav", "ol",  "p",
    "plaintext", "pre",      "search",     "section",    "summary", "table",   "ul",      "xmp"};
// Elements that an end tag or an implied end does not reach through.
constexpr std::string_view kScopeEdge[] = {"applet", "caption", "html",     "marquee", "object",
                                           "table",  "td",      "template", "th"};
// An li ends the open li of its own list only.
constexpr std::string_view kListItemEdges[] = {"applet", "caption", "html", "marquee",  "menu", "object",
                                               "ol",     "table",   "td",   "template", "th",   "ul"};
constexpr std::string_view kTableScope[] = {"html", "table", "template"};
constexpr std::string_view kTableParts[] = {"caption", "table", "tbody", "td", "tfoot", "th", "thead", "tr"};
constexpr std::string_view kHeadings[] = {"h1", "h2", "h3", "h4", "h5", "h6"};

static_assert(std::ranges::is_sorted(kVoid) && std::ranges::is_sorted(kOptionalEnd) &&
              std::ranges::is_sorted(kRawText) && std::ranges::is_sorted(kClosesP) &&
              std::ranges::is_sorted(kScopeEdge) && std::ranges::is_sorted(kListItemEdges) &&
              std::ranges::is_sorted(kTableParts));

bool in(Names sorted, std::string_view name)
{
    return std::binary_search(sorted.begin(), sorted.end(), name);
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

struct Tag {
    Span span;
    std::string name;          // lower case
    std::string_view written;  // as in the text
    bool isEnd = false;
    bool selfClosing = false;
};

// Reads the start and end tags of [from, to) in order.
class TagReader {
public:
    TagReader(std::string_view text, size_t from, size_t to) : t_(text.substr(0, to)), p_(from) {}

    // The next tag; false at the end of the stretch.
    bool next(Tag& tag)
    {
        if (!raw_.empty()) skipRawText();
        for (;;) {
            const size_t l = findByte(t_, '<', p_);
            if (l == std::string_view::npos || l + 1 >= t_.size()) return end(false);
            const char c = t_[l + 1];
            if (isAsciiLetter(c)) return readTag(l, l + 1, false, tag);
            if (c == '/' && l + 2 < t_.size() && isAsciiLetter(t_[l + 2])) return readTag(l, l + 2, true, tag);
            if (c == '!' && t_.substr(l, 4) == "<!--") {
                const size_t close = t_.find("-->", l + 4);
                if (close == std::string_view::npos) return end(true);
                p_ = close + 3;
            } else if (c == '!' || c == '?' || c == '/') {
                const size_t close = findByte(t_, '>', l);
                if (close == std::string_view::npos) return end(true);
                p_ = close + 1;
            } else {
                p_ = l + 1;  // a "<" of the text
            }
        }
    }
    // Whether the stretch ended inside a comment or a tag.
    bool endedInside() const { return inside_; }

private:
    bool end(bool inside)
    {
        inside_ = inside;
        p_ = t_.size();
        return false;
    }

    bool readTag(size_t l, size_t nameStart, bool isEnd, Tag& tag)
    {
        size_t i = nameStart;
        while (i < t_.size() && !isSpace(t_[i]) && t_[i] != '/' && t_[i] != '>') ++i;
        tag.written = t_.substr(nameStart, i - nameStart);
        tag.name.assign(tag.written);
        for (char& ch : tag.name) ch = asciiLower(ch);
        const size_t gt = isEnd ? findByte(t_, '>', i) : startTagEnd(i);
        if (gt == std::string_view::npos) return end(true);
        tag.span = {static_cast<Pos>(l), static_cast<Pos>(gt + 1)};
        tag.isEnd = isEnd;
        tag.selfClosing = !isEnd && t_[gt - 1] == '/';
        p_ = gt + 1;
        if (!isEnd && !tag.selfClosing && in(kRawText, tag.name)) raw_ = tag.name;
        return true;
    }

    // The ">" ending a start tag whose name ends at `i`: attribute values in
    // quotes may hold ">".
    size_t startTagEnd(size_t i) const
    {
        const size_t n = t_.size();
        auto skipSpace = [&] {
            while (i < n && (isSpace(t_[i]) || t_[i] == '/')) ++i;
        };
        for (;;) {
            skipSpace();
            if (i >= n) return std::string_view::npos;
            if (t_[i] == '>') return i;
            ++i;  // an attribute's name (its first character may be "=")
            while (i < n && !isSpace(t_[i]) && t_[i] != '/' && t_[i] != '>' && t_[i] != '=') ++i;
            while (i < n && isSpace(t_[i])) ++i;
            if (i >= n || t_[i] != '=') continue;
            ++i;
            while (i < n && isSpace(t_[i])) ++i;
            if (i < n && (t_[i] == '"' || t_[i] == '\'')) {
                const size_t close = findByte(t_, t_[i], i + 1);
                if (close == std::string_view::npos) return close;
                i = close + 1;
            } else {
                while (i < n && !isSpace(t_[i]) && t_[i] != '>') ++i;
            }
        }
    }

    // On to the end tag of the raw-text element just opened.
    void skipRawText()
    {
        for (size_t l = findByte(t_, '<', p_); l != std::string_view::npos; l = findByte(t_, '<', l + 1)) {
            const size_t after = l + 2 + raw_.size();
            if (t_.substr(l, 2) == "</" && startsWithIgnoringAsciiCase(t_, l + 2, raw_) &&
                (after >= t_.size() || isSpace(t_[after]) || t_[after] == '/' || t_[after] == '>')) {
                p_ = l;
                raw_.clear();
                return;
            }
        }
        p_ = t_.size();
    }

    std::string_view t_;
    size_t p_;
    std::string raw_;  // the raw-text element being read
    bool inside_ = false;
};

struct Open {
    std::string name;
    std::string_view written;
    Span tag;
};

// The open elements, and the ends each tag gives them. `closed(element, at,
// endTag)` hears of every element that ends, innermost first: at its own end
// tag (endTag), or implied at `at`; a tag without an end tag of its own ends
// with itself as its end tag.
class OpenElements {
public:
    std::vector<Open> stack;

    template <typename Closed>
    void apply(const Tag& tag, Closed&& closed)
    {
        if (tag.isEnd)
            endTag(tag, closed);
        else
            startTag(tag, closed);
    }

    template <typename Closed>
    void finish(Pos at, Closed&& closed)
    {
        if (!stack.empty()) popThrough(0, at, nullptr, closed);
    }

private:
    // The topmost element named in `names` above every element in `edges`.
    std::optional<size_t> nearest(Names names, Names edges, std::string_view alsoEdge = {}) const
    {
        for (size_t i = stack.size(); i-- > 0;) {
            if (in(names, stack[i].name)) return i;
            if (in(edges, stack[i].name) || stack[i].name == alsoEdge) return std::nullopt;
        }
        return std::nullopt;
    }

    template <typename Closed>
    void popThrough(size_t index, Pos at, const Tag* endTag, Closed& closed)
    {
        for (size_t i = stack.size(); i-- > index;) closed(stack[i], at, i == index ? endTag : nullptr);
        stack.resize(index);
    }
    template <typename Closed>
    void popAbove(size_t index, Pos at, Closed& closed)
    {
        if (index + 1 < stack.size()) popThrough(index + 1, at, nullptr, closed);
    }
    template <typename Closed>
    void popTopIf(Names names, Pos at, Closed& closed)
    {
        if (!stack.empty() && in(names, stack.back().name)) popThrough(stack.size() - 1, at, nullptr, closed);
    }

    template <typename Closed>
    void startTag(const Tag& tag, Closed& closed)
    {
        static constexpr std::string_view kLi[] = {"li"};
        static constexpr std::string_view kDefinitions[] = {"dd", "dt"};
        static constexpr std::string_view kP[] = {"p"}, kOption[] = {"option"}, kOptgroup[] = {"optgroup"};
        static constexpr std::string_view kRows[] = {"table", "tbody", "tfoot", "thead"};
        static constexpr std::string_view kCells[] = {"table", "tbody", "tfoot", "thead", "tr"};
        static constexpr std::string_view kTable[] = {"table"}, kHead[] = {"head"};
        static constexpr std::string_view kRuby[] = {"rb", "rp", "rt", "rtc"};
        const std::string& n = tag.name;
        const Pos at = tag.span.start;
        std::optional<size_t> ends;
        if (n == "li") ends = nearest(kLi, kListItemEdges);
        if (n == "dd" || n == "dt") ends = nearest(kDefinitions, kScopeEdge, "dl");
        if (ends) popThrough(*ends, at, nullptr, closed);
        if (in(kClosesP, n))
            if (const auto p = nearest(kP, kScopeEdge, "button")) popThrough(*p, at, nullptr, closed);
        if (in(kHeadings, n)) popTopIf(kHeadings, at, closed);
        if (n == "option" || n == "optgroup") popTopIf(kOption, at, closed);
        if (n == "optgroup") popTopIf(kOptgroup, at, closed);
        if (n == "rb" || n == "rp" || n == "rt" || n == "rtc") popTopIf(kRuby, at, closed);
        if (n == "a" || n == "button" || n == "nobr")
            if (const auto same = nearest(std::array{std::string_view(n)}, kScopeEdge))
                popThrough(*same, at, nullptr, closed);
        if (n == "tr")
            if (const auto rows = nearest(kRows, kTableScope)) popAbove(*rows, at, closed);
        if (n == "td" || n == "th")
            if (const auto cells = nearest(kCells, kTableScope)) popAbove(*cells, at, closed);
        if (n == "tbody" || n == "thead" || n == "tfoot" || n == "caption" || n == "colgroup")
            if (const auto table = nearest(kTable, kTableScope)) popAbove(*table, at, closed);
        if (n == "body")
            if (const auto head = nearest(kHead, {})) popThrough(*head, at, nullptr, closed);
        if (tag.selfClosing || isVoidElement(n)) {
            closed(Open{n, tag.written, tag.span}, tag.span.end, &tag);
            return;
        }
        stack.push_back(Open{n, tag.written, tag.span});
    }

    template <typename Closed>
    void endTag(const Tag& tag, Closed& closed)
    {
        const std::string_view n = tag.name;
        const std::array name{n};
        std::optional<size_t> own;
        if (in(kTableParts, n))
            own = nearest(name, kTableScope);
        else if (n == "li")
            own = nearest(name, kListItemEdges);
        else
            own = nearest(name, kScopeEdge, n == "p" ? "button" : "");
        if (own) popThrough(*own, tag.span.start, &tag, closed);
    }
};

Pos clampPos(Pos pos, std::string_view text)
{
    return std::clamp<Pos>(pos, 0, static_cast<Pos>(text.size()));
}

// The tag at the caret.
std::optional<Span> tagAt(std::string_view text, Pos caret)
{
    TagReader reader(text, 0, text.size());
    std::optional<Span> before;
    for (Tag tag; reader.next(tag) && tag.span.start <= caret;) {
        if (caret < tag.span.end) return tag.span;
        if (caret == tag.span.end) before = tag.span;
    }
    return before;
}

// The end of an element whose end is implied at `at`: before the white space.
Pos impliedEnd(std::string_view text, const Open& element, Pos at)
{
    while (at > element.tag.end && isSpace(text[static_cast<size_t>(at - 1)])) --at;
    return at;
}

}  // namespace

bool isVoidElement(std::string_view name)
{
    return in(kVoid, name);
}

bool endTagMayBeLeftOut(std::string_view name)
{
    return in(kOptionalEnd, name);
}

std::optional<TagPair> findTagPair(std::string_view text, Pos caret)
{
    caret = clampPos(caret, text);
    const std::optional<Span> target = tagAt(text, caret);
    if (!target) return std::nullopt;
    TagPair pair{*target, std::nullopt};
    TagReader reader(text, 0, text.size());
    OpenElements tree;
    bool found = false, done = false;
    for (Tag tag; !done && reader.next(tag);) {
        const bool isTarget = tag.span == *target;
        if (isTarget && tag.isEnd) {
            tree.apply(tag, [&](const Open& element, Pos, const Tag* endTag) {
                if (endTag == &tag) pair.partner = element.tag;
            });
            break;
        }
        found = found || isTarget;
        tree.apply(tag, [&](const Open& element, Pos, const Tag* endTag) {
            if (!found || element.tag != *target) return;
            if (endTag && endTag->span != *target) pair.partner = endTag->span;
            done = true;
        });
    }
    return pair;
}

std::optional<Span> enclosingElement(std::string_view text, Pos start, Pos end)
{
    std::optional<Span> innermost;
    auto closed = [&](const Open& element, Pos at, const Tag* endTag) {
        const Span extent{element.tag.start, endTag ? endTag->span.end : impliedEnd(text, element, at)};
        if (innermost || extent.start > start || extent.end < end || extent == Span{start, end}) return;
        innermost = extent;
    };
    TagReader reader(text, 0, text.size());
    OpenElements tree;
    for (Tag tag; !innermost && reader.next(tag);) tree.apply(tag, closed);
    if (!innermost) tree.finish(static_cast<Pos>(text.size()), closed);
    return innermost;
}

std::string openElementAt(std::string_view text, Pos pos)
{
    TagReader reader(text, 0, static_cast<size_t>(clampPos(pos, text)));
    OpenElements tree;
    for (Tag tag; reader.next(tag);) tree.apply(tag, [](const Open&, Pos, const Tag*) {});
    if (reader.endedInside() || tree.stack.empty()) return {};
    return std::string(tree.stack.back().written);
}

}  // namespace markup
