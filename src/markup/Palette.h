// The sixteen-colour palette, in the order of the colour grid. Codes are
// RRGGBB as written into markup (silver alone in lower case).
#pragma once

namespace markup {

inline constexpr int kPaletteSize = 16;
const char* paletteCode(int index);  // "000000" (black) outside 0..15
unsigned paletteRgb(int index);      // 0xRRGGBB, black outside 0..15

}  // namespace markup
