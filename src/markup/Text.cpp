#include "Text.h"

#include <cstdint>

#include "TextEditor.h"

namespace markup {

bool startsWithIgnoringAsciiCase(std::string_view text, size_t at, std::string_view lowerWord)
{
    if (at > text.size() || text.size() - at < lowerWord.size()) return false;
    for (size_t k = 0; k < lowerWord.size(); ++k)
        if (asciiLower(text[at + k]) != lowerWord[k]) return false;
    return true;
}

size_t decodeUtf8(const unsigned char* p, const unsigned char* end, char32_t& cp)
{
    const unsigned c = p[0];
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    size_t n = 0;
    // The allowed range of the second byte rules out overlong forms,
    // surrogates and values past U+10FFFF.
    unsigned lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (static_cast<size_t>(end - p) < n || p[1] < lo || p[1] > hi) return 0;
    cp = (cp << 6) | (p[1] & 0x3Fu);
    for (size_t k = 2; k < n; ++k) {
        if (!isContinuationByte(p[k])) return 0;
        cp = (cp << 6) | (p[k] & 0x3Fu);
    }
    return n;
}

size_t asciiRun(const unsigned char* p, const unsigned char* end)
{
    const unsigned char* q = p;
    while (end - q >= 8) {
        uint64_t word;
        std::memcpy(&word, q, 8);
        if (word & 0x8080808080808080ull) break;
        q += 8;
    }
    while (q < end && *q < 0x80) ++q;
    return static_cast<size_t>(q - p);
}

bool isValidUtf8(std::string_view s)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    char32_t cp;
    while (p < end) {
        p += asciiRun(p, end);
        if (p == end) break;
        const size_t n = decodeUtf8(p, end, cp);
        if (n == 0) return false;
        p += n;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string withCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

Pos lineEnd(const TextEditor& editor, int line)
{
    if (line + 1 >= editor.lineCount()) return editor.length();
    const Pos next = editor.lineStart(line + 1);
    const std::string before = editor.textRange(next - 2, 2);
    if (before == "\r\n") return next - 2;
    return next - 1;
}

}  // namespace markup
