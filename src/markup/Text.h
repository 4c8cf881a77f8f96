// The small text helpers every pass shares, each written once: ASCII letter
// case, UTF-8 decoding and encoding, line breaks and the tag scan. Text is
// UTF-8 held with CR LF line breaks; bytes that are not valid UTF-8 are kept
// and treated as single characters of their own.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace markup {

// ---------------------------------------------------------------- ASCII case

constexpr bool isAsciiUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}
constexpr bool isAsciiLower(char c)
{
    return c >= 'a' && c <= 'z';
}
constexpr bool isAsciiLetter(char c)
{
    return isAsciiUpper(c) || isAsciiLower(c);
}
constexpr char asciiLower(char c)
{
    return isAsciiUpper(c) ? static_cast<char>(c + 32) : c;
}
constexpr char asciiUpper(char c)
{
    return isAsciiLower(c) ? static_cast<char>(c - 32) : c;
}
// Lower-cases (lower == true) or upper-cases one byte; only ASCII letters change.
constexpr char asciiCase(char c, bool lower)
{
    return lower ? asciiLower(c) : asciiUpper(c);
}
// Whether `text` at `at` holds `word` (given in lower case), ignoring ASCII case.
bool startsWithIgnoringAsciiCase(std::string_view text, size_t at, std::string_view lowerWord);

// ---------------------------------------------------------------- UTF-8

// Length (1 to 4) of the well-formed UTF-8 sequence at p, with its code point
// in cp; 0 when the bytes at p are not one (overlong forms, surrogates, values
// past U+10FFFF and cut sequences are not).
size_t decodeUtf8(const unsigned char* p, const unsigned char* end, char32_t& cp);
// The number of ASCII bytes from p on, tested eight at a time.
size_t asciiRun(const unsigned char* p, const unsigned char* end);
bool isValidUtf8(std::string_view s);
void appendUtf8(std::string& out, char32_t cp);
constexpr bool isContinuationByte(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// ---------------------------------------------------------------- line breaks

// Whether the byte at i ends a line: an LF, or a CR not followed by an LF
// (CR LF, LF and a lone CR each end one line, as in the editing control).
inline bool endsLineAt(std::string_view t, size_t i)
{
    return t[i] == '\n' || (t[i] == '\r' && (i + 1 == t.size() || t[i + 1] != '\n'));
}
// Every line break (CR LF, LF or a lone CR) written as CR LF.
std::string withCrLf(std::string_view text);

// ---------------------------------------------------------------- tags

// The first byte `c` at or after `from`, or npos.
inline size_t findByte(std::string_view text, char c, size_t from)
{
    if (from >= text.size()) return std::string_view::npos;
    const void* p = std::memchr(text.data() + from, c, text.size() - from);
    return p ? static_cast<size_t>(static_cast<const char*>(p) - text.data()) : std::string_view::npos;
}

// Calls visit(l, g) for every tag, a run from a "<" at l to the next ">" at g,
// left to right; the scan goes on after g, so a "<" inside a tag starts
// nothing. Returns true when a "<" has no ">" after it (a broken tag), which
// ends the scan.
template <typename Visit>
bool forEachTag(std::string_view text, Visit visit)
{
    for (size_t p = 0;;) {
        const size_t l = findByte(text, '<', p);
        if (l == std::string_view::npos) return false;
        const size_t g = findByte(text, '>', l);
        if (g == std::string_view::npos) return true;
        visit(l, g);
        p = g + 1;
    }
}

}  // namespace markup
