#include "FoldedPattern.h"

#include <QChar>
#include <algorithm>

#include "Text.h"

namespace markup {
namespace {

// Decodes one code point at `i` (advancing it); a byte that does not begin a
// well-formed UTF-8 sequence becomes a value above the Unicode range, so that
// it matches only the same byte.
char32_t decode(std::string_view s, Pos& i)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data()) + i;
    char32_t cp = 0;
    const size_t n = decodeUtf8(p, reinterpret_cast<const unsigned char*>(s.data()) + s.size(), cp);
    if (n == 0) {
        ++i;
        return 0x110000 + *p;
    }
    i += static_cast<Pos>(n);
    return cp;
}

char32_t fold(char32_t cp)
{
    if (cp < 0x80) return static_cast<char32_t>(asciiLower(static_cast<char>(cp)));
    if (cp > 0x10FFFF) return cp;
    return QChar::toCaseFolded(cp);
}

}  // namespace

FoldedPattern::FoldedPattern(std::string_view needle)
{
    for (Pos i = 0; i < static_cast<Pos>(needle.size());) folded_.push_back(fold(decode(needle, i)));
    if (!folded_.empty() && folded_[0] < 0x80) {
        firstLower_ = static_cast<unsigned char>(folded_[0]);
        firstUpper_ = static_cast<unsigned char>(asciiUpper(static_cast<char>(firstLower_)));
        // A non-ASCII character may fold to an ASCII one (the Kelvin sign to "k"):
        // those keep the slow path.
        if (firstLower_ == 'k' || firstLower_ == 's') firstLower_ = firstUpper_ = 0;
    }
}

bool FoldedPattern::matchAt(std::string_view text, Pos at, Pos to, Pos* matchLength) const
{
    Pos i = at;
    for (char32_t want : folded_) {
        if (i >= to) return false;
        if (fold(decode(text, i)) != want) return false;
        if (i > to) return false;
    }
    if (matchLength) *matchLength = i - at;
    return true;
}

Pos FoldedPattern::find(std::string_view text, Pos from, Pos to, Pos* matchLength) const
{
    to = std::min<Pos>(to, static_cast<Pos>(text.size()));
    if (folded_.empty() || from < 0 || from >= to) return -1;
    const char* base = text.data();
    if (firstLower_) {
        // Look only as far as the next match, so that repeated calls (Replace
        // All, F3) stay linear over the whole text.
        for (Pos i = from; i < to; ++i) {
            const auto c = static_cast<unsigned char>(base[i]);
            if ((c == firstLower_ || c == firstUpper_) && matchAt(text, i, to, matchLength)) return i;
        }
        return -1;
    }
    for (Pos i = from; i < to; ++i) {
        // Matches start on character boundaries only.
        if (isContinuationByte(static_cast<unsigned char>(base[i]))) continue;
        if (matchAt(text, i, to, matchLength)) return i;
    }
    return -1;
}

Pos findIgnoringCase(std::string_view text, std::string_view needle, Pos from, Pos to)
{
    return FoldedPattern(needle).find(text, from, to);
}

}  // namespace markup
