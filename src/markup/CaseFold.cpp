#include "CaseFold.h"

#include <QChar>
#include <algorithm>

namespace markup {
namespace {

// Decodes one code point at `i` (advancing it); an invalid byte becomes a value
// above the Unicode range so that it matches only the same byte.
char32_t decode(std::string_view s, Pos& i)
{
    const auto b0 = static_cast<unsigned char>(s[static_cast<size_t>(i)]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = b0 >= 0xF0 && b0 < 0xF5 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC2 && b0 < 0xE0 ? 1 : -1;
    if (b0 >= 0xF5) extra = -1;
    if (extra > 0 && i + extra < static_cast<Pos>(s.size()) + 1) {
        char32_t cp = b0 & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= static_cast<Pos>(s.size())) { ok = false; break; }
            const auto b = static_cast<unsigned char>(s[static_cast<size_t>(i + k)]);
            if ((b & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (b & 0x3F);
        }
        if (ok) {
            i += extra + 1;
            return cp;
        }
    }
    ++i;
    return 0x110000 + b0;
}

char32_t fold(char32_t cp)
{
    if (cp < 0x80) return (cp >= 'A' && cp <= 'Z') ? cp + 32 : cp;
    if (cp > 0x10FFFF) return cp;
    return QChar::toCaseFolded(cp);
}

}  // namespace

FoldedPattern::FoldedPattern(std::string_view needle)
{
    for (Pos i = 0; i < static_cast<Pos>(needle.size());) folded_.push_back(fold(decode(needle, i)));
    if (!folded_.empty() && folded_[0] < 0x80) {
        firstLower_ = static_cast<unsigned char>(folded_[0]);
        firstUpper_ = (firstLower_ >= 'a' && firstLower_ <= 'z') ? firstLower_ - 32 : firstLower_;
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
        if ((static_cast<unsigned char>(base[i]) & 0xC0) == 0x80) continue;
        if (matchAt(text, i, to, matchLength)) return i;
    }
    return -1;
}

Pos findIgnoringCase(std::string_view text, std::string_view needle, Pos from, Pos to)
{
    return FoldedPattern(needle).find(text, from, to);
}

}  // namespace markup
