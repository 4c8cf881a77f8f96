// Special characters to HTML entities and back, as single linear passes.
#include "Entities.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "Text.h"

namespace markup {
namespace {

constexpr int kFirstCode = 161;
constexpr int kLastCode = 255;

// The HTML 4 names of the Latin-1 characters 161..255, in code order.
constexpr std::array<const char*, kLastCode - kFirstCode + 1> kNames = {
    "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",    // 161
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",   // 171
    "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34",  // 181
    "iquest", "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave",  // 191
    "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve",  // 201
    "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",    // 211
    "Yacute", "THORN",  "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",   // 221
    "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",     // 231
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave", "uacute",  // 241
    "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};                                                     // 251

constexpr size_t kLongestName = 6;

// Compares two names ignoring the case of ASCII letters.
int compareIgnoringCase(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const char x = asciiLower(a[i]), y = asciiLower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

struct NameCode {
    std::string_view name;
    int code;
};

// The two lookup lists, by the case of the first letter, each sorted by name
// ignoring case. Built once.
struct EntityLists {
    std::vector<NameCode> capital, small;
    EntityLists()
    {
        for (int code = kFirstCode; code <= kLastCode; ++code) {
            const std::string_view name = kNames[static_cast<size_t>(code - kFirstCode)];
            (isAsciiUpper(name.front()) ? capital : small).push_back({name, code});
        }
        const auto byName = [](const NameCode& a, const NameCode& b) {
            return compareIgnoringCase(a.name, b.name) < 0;
        };
        std::sort(capital.begin(), capital.end(), byName);
        std::sort(small.begin(), small.end(), byName);
    }
};

const EntityLists& lists()
{
    static const EntityLists instance;
    return instance;
}

// The "&name;" texts, built once.
const std::array<std::string, kLastCode - kFirstCode + 1>& entityTexts()
{
    static const auto texts = [] {
        std::array<std::string, kLastCode - kFirstCode + 1> t;
        for (size_t i = 0; i < t.size(); ++i) t[i] = std::string("&") + kNames[i] + ";";
        return t;
    }();
    return texts;
}

}  // namespace

const char* entityOfCode(int code)
{
    if (code < kFirstCode || code > kLastCode) return nullptr;
    return entityTexts()[static_cast<size_t>(code - kFirstCode)].c_str();
}

int codeOfEntityName(std::string_view name)
{
    if (name.empty() || name.size() > kLongestName || !isAsciiLetter(name.front())) return 0;
    const std::vector<NameCode>& list = isAsciiUpper(name.front()) ? lists().capital : lists().small;
    const auto it = std::lower_bound(list.begin(), list.end(), name, [](const NameCode& e, std::string_view n) {
        return compareIgnoringCase(e.name, n) < 0;
    });
    return it != list.end() && compareIgnoringCase(it->name, name) == 0 ? it->code : 0;
}

std::string SpecialToHtml(std::string_view text)
{
    const auto& texts = entityTexts();
    // Room for the whole result at once: each special character (two bytes,
    // led by C2 or C3) becomes at most "&" + the longest name + ";", that is
    // kLongestName bytes more. Growing the result as it is written would copy
    // it into a block twice its size.
    size_t leads = 0;
    for (const char c : text) leads += (static_cast<unsigned char>(c) & 0xFE) == 0xC2;
    std::string out;
    out.reserve(text.size() + leads * kLongestName);
    size_t copied = 0;
    // U+00A1..U+00BF are C2 A1..C2 BF in UTF-8, U+00C0..U+00FF are C3 80..C3 BF.
    // C2 and C3 only ever lead a two-byte sequence, so no other character can
    // be mistaken for one of these.
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if ((lead & 0xFE) != 0xC2) continue;
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (!isContinuationByte(next)) continue;
        const int code = ((lead & 0x1F) << 6) | (next & 0x3F);
        if (code < kFirstCode) continue;
        out.append(text.substr(copied, i - copied));
        out += texts[static_cast<size_t>(code - kFirstCode)];
        ++i;
        copied = i + 1;
    }
    out.append(text.substr(copied));
    return out;
}

std::string HtmlToSpecial(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    const char* const begin = text.data();
    const size_t n = text.size();
    size_t pos = 0;
    while (pos < n) {
        const void* found = std::memchr(begin + pos, '&', n - pos);
        if (!found) break;
        const size_t amp = static_cast<size_t>(static_cast<const char*>(found) - begin);
        // The name runs to the first ";" of the same line.
        size_t end = amp + 1;
        while (end < n && text[end] != ';' && text[end] != '\r' && text[end] != '\n') ++end;
        if (end == n || text[end] != ';') {
            // No ";" after the "&" on this line: the rest of the line stays.
            out.append(text.substr(pos, end - pos));
            pos = end;
            continue;
        }
        out.append(text.substr(pos, amp - pos));
        const int code = codeOfEntityName(text.substr(amp + 1, end - amp - 1));
        if (code)
            appendUtf8(out, static_cast<char32_t>(code));
        else
            out.append(text.substr(amp, end + 1 - amp));
        pos = end + 1;
    }
    out.append(text.substr(pos));
    return out;
}

}  // namespace markup
