// The colour mixer's rules, shared by the font dialog, the colour finder and
// the new-document dialog: three bar positions from 0 to 255, the darker and
// lighter steps, the code written from the positions and the reading of a code
// typed, stored or found in a document. No widgets here.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace dialogs {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The bars of every mixer: 0 to 255, a click beside the thumb moves 15.
inline constexpr int kBarMaximum = 255;
inline constexpr int kBarPageStep = 15;

// A stored or computed position kept within 0..255.
int clampPosition(int position);

// "Darker" lowers every position by 7 (to 0 at the least), "Lighter" raises
// every one by 7 (to 255 at the most); the fine steps move by 1 within 0..255.
Rgb darker(Rgb c);
Rgb lighter(Rgb c);
Rgb littleDarker(Rgb c);
Rgb littleLighter(Rgb c);

// The code of the positions: RRGGBB in upper-case digits ("FF8000").
QString colourCode(Rgb c);
// The positions of a code of exactly six hexadecimal digits in either case;
// nothing for any other text (a name, a "#", a short or long value).
std::optional<Rgb> parseColourCode(QStringView code);
// A stored code when it is one, else `fallback`.
QString validCodeOr(const QString& code, const QString& fallback);
// A code as the tag case writes it: all lower case or all upper case.
QString codeInTagCase(const QString& code, bool lower);
// 0xRRGGBB of the positions.
unsigned rgbValue(Rgb c);

}  // namespace dialogs
