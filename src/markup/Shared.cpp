#include "Shared.h"

#include <array>

namespace markup {
namespace {
constexpr std::array<const char*, kPaletteSize> kCodes = {
    "000000", "800000", "008000", "808000", "000080", "800080", "008080", "c0c0c0",
    "808080", "FF0000", "00FF00", "FFFF00", "0000FF", "FF00FF", "00FFFF", "FFFFFF"};

char caseOf(char c, bool lower)
{
    if (lower && c >= 'A' && c <= 'Z') return static_cast<char>(c + 32);
    if (!lower && c >= 'a' && c <= 'z') return static_cast<char>(c - 32);
    return c;
}
}  // namespace

std::string toTagCase(std::string_view literal, bool lower)
{
    std::string out(literal);
    for (char& c : out) c = caseOf(c, lower);
    return out;
}

QString toTagCase(const QString& literal, bool lower)
{
    QString out = literal;
    for (QChar& c : out)
        if (c.unicode() < 0x80) c = QChar(caseOf(static_cast<char>(c.unicode()), lower));
    return out;
}

const char* paletteCode(int index)
{
    return index >= 0 && index < kPaletteSize ? kCodes[static_cast<size_t>(index)] : kCodes[0];
}

unsigned paletteRgb(int index) { return static_cast<unsigned>(std::stoul(paletteCode(index), nullptr, 16)); }

QString FileNamePart(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

}  // namespace markup
