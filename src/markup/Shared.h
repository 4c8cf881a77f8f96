// Helpers every part of the editor shares: the author's tag case, the sixteen-
// colour palette, the file-name part of a path and the caption texts.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace markup {

inline constexpr const char* kAppTitle = "Quillon Pro";
inline constexpr const char* kTitleSuffix = " - Quillon Pro";
inline constexpr const char* kUntitled = "untitled.html";

// Lower-cases (lower == true) or upper-cases a literal; only ASCII letters change.
std::string toTagCase(std::string_view literal, bool lower);
QString toTagCase(const QString& literal, bool lower);
// Chooses between the lower- and upper-case forms of a literal.
inline const char* byTagCase(bool lower, const char* lowerForm, const char* upperForm)
{
    return lower ? lowerForm : upperForm;
}

// The sixteen-colour palette, in the order of the colour grid. Codes are
// RRGGBB as written into markup (silver alone in lower case).
inline constexpr int kPaletteSize = 16;
const char* paletteCode(int index);     // "000000" (black) outside 0..15
unsigned paletteRgb(int index);         // 0xRRGGBB, black outside 0..15

// The text after the last "/" of a path, or the whole text without one.
QString FileNamePart(const QString& path);

}  // namespace markup
