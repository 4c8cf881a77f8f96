// UTF-16 and UTF-32 with their byte-order marks, converted unit by unit so
// that a file is either taken whole and exactly or refused.
#include "storage/WideUnicode.h"

#include <cstdint>

#include "markup/Text.h"

namespace storage {
namespace {

using namespace std::string_view_literals;

struct Form {
    size_t unit;  // 2 or 4 bytes
    bool bigEndian;
};

Form formOf(Encoding encoding)
{
    switch (encoding) {
        case Encoding::Utf16Le:
            return {2, false};
        case Encoding::Utf16Be:
            return {2, true};
        case Encoding::Utf32Le:
            return {4, false};
        default:
            return {4, true};
    }
}

char32_t unitAt(const unsigned char* p, Form form)
{
    char32_t v = 0;
    for (size_t k = 0; k < form.unit; ++k) {
        const size_t byte = form.bigEndian ? k : form.unit - 1 - k;
        v = (v << 8) | p[byte];
    }
    return v;
}

void appendUnit(std::string& out, char32_t v, Form form)
{
    char bytes[4];
    for (size_t k = 0; k < form.unit; ++k) {
        const size_t shift = 8 * (form.bigEndian ? form.unit - 1 - k : k);
        bytes[k] = static_cast<char>((v >> shift) & 0xFF);
    }
    out.append(bytes, form.unit);
}

constexpr bool isHighSurrogate(char32_t v)
{
    return v >= 0xD800 && v <= 0xDBFF;
}
constexpr bool isLowSurrogate(char32_t v)
{
    return v >= 0xDC00 && v <= 0xDFFF;
}

}  // namespace

bool isWide(Encoding encoding)
{
    return encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be || encoding == Encoding::Utf32Le ||
           encoding == Encoding::Utf32Be;
}

std::string_view markOf(Encoding encoding)
{
    switch (encoding) {
        case Encoding::Utf16Le:
            return "\xFF\xFE"sv;
        case Encoding::Utf16Be:
            return "\xFE\xFF"sv;
        case Encoding::Utf32Le:
            return "\xFF\xFE\0\0"sv;
        case Encoding::Utf32Be:
            return "\0\0\xFE\xFF"sv;
        default:
            return {};
    }
}

std::optional<Encoding> markedEncoding(std::string_view bytes)
{
    // Longest first: UTF-32LE's mark begins with UTF-16LE's.
    for (const Encoding e : {Encoding::Utf32Le, Encoding::Utf32Be, Encoding::Utf16Le, Encoding::Utf16Be})
        if (bytes.starts_with(markOf(e))) return e;
    return std::nullopt;
}

std::optional<WideFault> appendWideAsUtf8(std::string& out, std::string_view bytes, Encoding encoding)
{
    const Form form = formOf(encoding);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t at = markOf(encoding).size();
    for (; at + form.unit <= bytes.size(); at += form.unit) {
        char32_t v = unitAt(p + at, form);
        if (form.unit == 4) {
            if (v > 0x10FFFF || isHighSurrogate(v) || isLowSurrogate(v))
                return WideFault{at, "a value that is not a character"};
        } else if (isLowSurrogate(v)) {
            return WideFault{at, "an unpaired surrogate"};
        } else if (isHighSurrogate(v)) {
            const char32_t low = at + 4 <= bytes.size() ? unitAt(p + at + 2, form) : 0;
            if (!isLowSurrogate(low)) return WideFault{at, "an unpaired surrogate"};
            v = 0x10000 + ((v - 0xD800) << 10) + (low - 0xDC00);
            at += 2;
        }
        markup::appendUtf8(out, v);
    }
    if (at != bytes.size()) return WideFault{at, "an incomplete last character"};
    return std::nullopt;
}

std::optional<Unencodable> appendUtf8AsWide(std::string& out, std::string_view text, Encoding encoding,
                                            const char* origin, bool stop)
{
    const Form form = formOf(encoding);
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        char32_t cp = 0;
        size_t n = markup::decodeUtf8(p, end, cp);
        if (n == 0) {
            if (stop) return Unencodable{static_cast<size_t>(reinterpret_cast<const char*>(p) - origin), 0xFFFD, 1};
            cp = 0xFFFD;
            n = 1;
        }
        if (form.unit == 2 && cp >= 0x10000) {
            appendUnit(out, 0xD800 + ((cp - 0x10000) >> 10), form);
            appendUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), form);
        } else {
            appendUnit(out, cp, form);
        }
        p += n;
    }
    return std::nullopt;
}

}  // namespace storage
