// Tag case conversion and tag removal over a string, in one pass each.
#include "TagCaseConversion.h"

#include <array>
#include <cstring>

#include "Text.h"

namespace markup {
namespace {

constexpr size_t npos = std::string_view::npos;

// A byte table per direction: only the ASCII letters change.
struct CaseTable {
    std::array<char, 256> map{};
    explicit CaseTable(bool upper)
    {
        for (int b = 0; b < 256; ++b) {
            map[static_cast<size_t>(b)] = asciiCase(static_cast<char>(b), !upper);
        }
    }
    // Converts [from, to] inclusive.
    void apply(std::string& s, size_t from, size_t to) const
    {
        for (size_t i = from; i <= to; ++i) s[i] = map[static_cast<unsigned char>(s[i])];
    }
};

// The value keywords in the order their steps run.
constexpr std::array<std::string_view, 3> kKeywords = {"src", "ref", "und"};

// The first double quote at or after a position, anywhere in the rest of the
// text. Queries come in nearly increasing order (a few per tag), so the last
// answer is kept and only the bytes not yet looked at are scanned: the whole
// pass stays linear even when no quote follows for megabytes.
class QuoteFinder {
public:
    explicit QuoteFinder(std::string_view text) : text_(text) {}
    size_t next(size_t from)
    {
        if (from >= text_.size()) return npos;
        if (scanned_) {
            if (from >= scannedFrom_ && (found_ == npos || from <= found_)) return found_;
            if (from < scannedFrom_) {
                // Before the last scan: only the gap up to it is new.
                const size_t q = findByte(text_.substr(0, scannedFrom_), '"', from);
                return q != npos ? q : found_;
            }
        }
        scanned_ = true;
        scannedFrom_ = from;
        found_ = findByte(text_, '"', from);
        return found_;
    }

private:
    std::string_view text_;
    bool scanned_ = false;
    size_t scannedFrom_ = 0;
    size_t found_ = npos;
};

}  // namespace

TagPassResult convertTagCase(std::string_view text, bool upper)
{
    static const CaseTable upperTable(true), lowerTable(false);
    const CaseTable& table = upper ? upperTable : lowerTable;
    TagPassResult result{std::string(text), false};
    std::string& out = result.text;
    QuoteFinder quotes(text);
    result.brokenTag = forEachTag(text, [&](size_t l, size_t g) {
        // The first occurrence of each keyword followed by "=" inside the tag.
        std::array<size_t, kKeywords.size()> at;
        at.fill(npos);
        bool any = false;
        for (size_t eq = findByte(text.substr(0, g), '=', l); eq != npos;
             eq = findByte(text.substr(0, g), '=', eq + 1)) {
            if (eq < l + 3) continue;
            for (size_t k = 0; k < kKeywords.size(); ++k) {
                if (at[k] == npos && startsWithIgnoringAsciiCase(text, eq - 3, kKeywords[k])) {
                    at[k] = eq - 3;
                    any = true;
                }
            }
        }
        if (!any) {
            table.apply(out, l, g);
            return;
        }
        for (size_t k = 0; k < kKeywords.size(); ++k) {
            if (at[k] == npos) continue;
            // The value's end: the first double quote from one character past
            // the opening quote and the first value character. Without one the
            // keyword converts nothing.
            const size_t q = quotes.next(at[k] + 6);
            if (q == npos) continue;
            table.apply(out, l, at[k] + 3);
            // An end quote beyond the ">" (an empty value such as src="" with no
            // later quote in the tag) leaves the rest of the tag as it is:
            // nothing outside the tag may change.
            if (q < g) table.apply(out, q, g - 1);
        }
    });
    return result;
}

TagPassResult RemoveTags(std::string_view text)
{
    TagPassResult result;
    std::string& out = result.text;
    out.reserve(text.size());
    size_t kept = 0;  // the text from here on is not yet copied
    result.brokenTag = forEachTag(text, [&](size_t l, size_t g) {
        out.append(text.substr(kept, l - kept));
        kept = g + 1;
    });
    out.append(text.substr(kept));
    return result;
}

}  // namespace markup
