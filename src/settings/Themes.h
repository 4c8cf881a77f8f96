// The editor's colour themes: the classic light one and a dark one, chosen
// directly or following the desktop; the contrast of a tag colour on a
// theme's paper, and the tag colour the editor shows.
#pragma once

#include <QString>
#include <span>

namespace settings {

// The stored choice (settings::user::kTheme).
enum class ThemeChoice { Classic = 0, Dark = 1, FollowDesktop = 2 };

struct Theme {
    const char* name;
    bool dark;
    unsigned paper, text, selection, caret;  // 0xRRGGBB
    // Palette index of the tag colour shown when the chosen one is unreadable
    // on this paper; -1: the chosen one is always shown (classic).
    int ownTagColour;
};

std::span<const Theme> themes();
// The theme of a choice; `desktopDark` decides FollowDesktop.
const Theme& themeFor(ThemeChoice choice, bool desktopDark);
const Theme& themeFor(int storedChoice, bool desktopDark);

// The contrast ratio of two colours (1 to 21), from their relative luminance.
double contrastRatio(unsigned rgb1, unsigned rgb2);
// The least contrast at which a tag colour counts as readable.
inline constexpr double kReadableContrast = 3.0;
bool readableOn(unsigned foreground, const Theme& theme);
// The tag colour (0xRRGGBB) the editor shows for palette index `syntaxColour`.
unsigned shownTagColour(int syntaxColour, const Theme& theme);

// Whether a window colour is a dark one (a dark desktop), by its lightness.
bool isDarkColour(unsigned rgb);
// Whether the desktop is dark: its colour scheme where Qt tells it (6.5 on),
// else its palette's window colour.
bool desktopIsDark();

}  // namespace settings
