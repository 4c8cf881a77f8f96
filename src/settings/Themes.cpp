// The theme table and the contrast arithmetic behind the tag colour's warning.
#include "settings/Themes.h"

#include <QGuiApplication>
#include <QPalette>
#include <QStyleHints>
#include <algorithm>
#include <cmath>

#include "markup/Palette.h"

namespace settings {
namespace {

// clang-format off
constexpr Theme kThemes[] = {
    // name        dark   paper     text      selection caret     own tag colour
    {"Classic",    false, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000, -1},
    {"Dark",       true,  0x1E1E1E, 0xD4D4D4, 0x264F78, 0xF0F0F0, 14 /* aqua */},
};
// clang-format on

double channel(unsigned value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(unsigned rgb)
{
    return 0.2126 * channel((rgb >> 16) & 0xFF) + 0.7152 * channel((rgb >> 8) & 0xFF) + 0.0722 * channel(rgb & 0xFF);
}

}  // namespace

std::span<const Theme> themes()
{
    return kThemes;
}

const Theme& themeFor(ThemeChoice choice, bool desktopDark)
{
    const bool dark = choice == ThemeChoice::Dark || (choice == ThemeChoice::FollowDesktop && desktopDark);
    return kThemes[dark ? 1 : 0];
}

const Theme& themeFor(int storedChoice, bool desktopDark)
{
    // A choice this version does not know is the classic one.
    const bool known = storedChoice >= 0 && storedChoice <= static_cast<int>(ThemeChoice::FollowDesktop);
    return themeFor(known ? static_cast<ThemeChoice>(storedChoice) : ThemeChoice::Classic, desktopDark);
}

double contrastRatio(unsigned rgb1, unsigned rgb2)
{
    const double a = luminance(rgb1), b = luminance(rgb2);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool readableOn(unsigned foreground, const Theme& theme)
{
    return contrastRatio(foreground, theme.paper) >= kReadableContrast;
}

unsigned shownTagColour(int syntaxColour, const Theme& theme)
{
    const unsigned chosen = markup::paletteRgb(syntaxColour);
    if (theme.ownTagColour < 0 || readableOn(chosen, theme)) return chosen;
    return markup::paletteRgb(theme.ownTagColour);
}

bool isDarkColour(unsigned rgb)
{
    const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    // HSL lightness: the mean of the strongest and the weakest channel.
    return (std::max({r, g, b}) + std::min({r, g, b})) < 255;
}

bool desktopIsDark()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    const Qt::ColorScheme scheme = QGuiApplication::styleHints()->colorScheme();
    if (scheme != Qt::ColorScheme::Unknown) return scheme == Qt::ColorScheme::Dark;
#endif
    // Qt 6.4 does not tell the desktop's scheme: its palette does.
    const QColor window = QGuiApplication::palette().color(QPalette::Window);
    return isDarkColour(static_cast<unsigned>(window.rgb()) & 0xFFFFFF);
}

}  // namespace settings
