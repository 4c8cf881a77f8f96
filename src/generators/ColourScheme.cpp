#include "ColourScheme.h"

#include <algorithm>

#include "markup/Palette.h"

namespace generators {
namespace {

dialogs::Rgb rgbOf(const QString& code)
{
    return dialogs::parseColourCode(code).value_or(dialogs::Rgb{});
}

}  // namespace

const settings::TextSetting& partSetting(int part)
{
    namespace d = settings::document;
    static const settings::TextSetting* const parts[kParts] = {&d::kBgColour, &d::kTextColour, &d::kLinkColour,
                                                               &d::kVisitedColour, &d::kActiveColour};
    return *parts[std::clamp(part, 0, kParts - 1)];
}

ColourScheme::ColourScheme(const Codes& stored)
{
    for (int part = 0; part < kParts; ++part) codes_[part] = dialogs::validCodeOr(stored[part], partSetting(part).def);
    for (int part = kParts - 1; part >= 0; --part) {
        selected_ = part;
        moveBars(rgbOf(codes_[part]));
        codes_[part] = dialogs::colourCode(bars_);
    }
}

void ColourScheme::selectPart(int part)
{
    selected_ = std::clamp(part, 0, kParts - 1);
}

void ColourScheme::moveBars(dialogs::Rgb positions)
{
    const dialogs::Rgb to{dialogs::clampPosition(positions.red), dialogs::clampPosition(positions.green),
                          dialogs::clampPosition(positions.blue)};
    if (to == bars_) return;
    bars_ = to;
    codes_[selected_] = dialogs::colourCode(bars_);
}

void ColourScheme::pickPart(int part)
{
    selectPart(part);
    moveBars(rgbOf(codes_[selected_]));
}

void ColourScheme::pickPalette(int index)
{
    const unsigned rgb = markup::paletteRgb(index);
    moveBars({int(rgb >> 16), int(rgb >> 8 & 0xFF), int(rgb & 0xFF)});
}

void ColourScheme::restoreDefaults()
{
    for (int part = 0; part < kParts; ++part) codes_[part] = dialogs::colourCode(rgbOf(partSetting(part).def));
    selected_ = Background;
    moveBars({192, 192, 192});
}

}  // namespace generators
