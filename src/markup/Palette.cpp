#include "Palette.h"

#include <array>
#include <string>

namespace markup {
namespace {
constexpr std::array<const char*, kPaletteSize> kCodes = {"000000", "800000", "008000", "808000", "000080", "800080",
                                                          "008080", "c0c0c0", "808080", "FF0000", "00FF00", "FFFF00",
                                                          "0000FF", "FF00FF", "00FFFF", "FFFFFF"};
}  // namespace

const char* paletteCode(int index)
{
    return index >= 0 && index < kPaletteSize ? kCodes[static_cast<size_t>(index)] : kCodes[0];
}

unsigned paletteRgb(int index)
{
    return static_cast<unsigned>(std::stoul(paletteCode(index), nullptr, 16));
}

}  // namespace markup
