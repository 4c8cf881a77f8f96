// Windows-1252, byte by byte: its 251 defined characters, and its five
// undefined bytes kept as the C1 controls of the same value so that every
// byte comes back.
#include "storage/Windows1252.h"

#include <array>
#include <cstring>

#include "markup/Text.h"

namespace storage {
namespace {

using markup::appendUtf8;
using markup::asciiRun;
using markup::decodeUtf8;

// Bytes 0x80..0x9F; the five undefined ones map to the C1 control of the same
// value, so that they come back unchanged.
constexpr std::array<char16_t, 32> kCp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t cp1252ToUnicode(unsigned char b)
{
    return b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b;
}

// The Windows-1252 byte of a code point, or -1 when it has none.
int unicodeToCp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (size_t k = 0; k < kCp1252High.size(); ++k)
        if (kCp1252High[k] == cp) return static_cast<int>(0x80 + k);
    return -1;
}

}  // namespace

// Appends the UTF-8 form of Windows-1252 bytes.
void appendCp1252AsUtf8(std::string& out, std::string_view s)
{
    // The UTF-8 form of every byte, computed once.
    struct Utf8Of {
        char bytes[3];
        unsigned char size;
    };
    static const std::array<Utf8Of, 256> table = [] {
        std::array<Utf8Of, 256> t{};
        for (unsigned b = 0; b < 256; ++b) {
            std::string u;
            appendUtf8(u, cp1252ToUnicode(static_cast<unsigned char>(b)));
            std::memcpy(t[b].bytes, u.data(), u.size());
            t[b].size = static_cast<unsigned char>(u.size());
        }
        return t;
    }();

    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        const size_t run = asciiRun(p, end);
        out.append(reinterpret_cast<const char*>(p), run);
        p += run;
        if (p == end) break;
        const Utf8Of& u = table[*p++];
        out.append(u.bytes, u.size);
    }
}

// Appends editor text transcoded to Windows-1252. Bytes that are not UTF-8 go
// out as they are. At a character without a code: with `stop`, returns it
// (its offset counted from `origin`); otherwise writes it in UTF-8 and goes on.
std::optional<Unencodable> appendUtf8AsCp1252(std::string& out, std::string_view s, const char* origin, bool stop)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    char32_t cp;
    while (p < end) {
        const size_t run = asciiRun(p, end);
        out.append(reinterpret_cast<const char*>(p), run);
        p += run;
        if (p == end) break;
        const size_t n = decodeUtf8(p, end, cp);
        if (n == 0) {
            out += static_cast<char>(*p++);
            continue;
        }
        const int byte = unicodeToCp1252(cp);
        if (byte >= 0) {
            out += static_cast<char>(byte);
        } else if (stop) {
            return Unencodable{static_cast<size_t>(reinterpret_cast<const char*>(p) - origin), cp, 1};
        } else {
            out.append(reinterpret_cast<const char*>(p), n);
        }
        p += n;
    }
    return std::nullopt;
}

}  // namespace storage
