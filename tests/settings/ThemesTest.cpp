// The colour themes as tables: the contrast ratio, which theme a choice means,
// and the tag colour each theme shows for every colour of the palette.
#include "markup/Palette.h"
#include "settings/Themes.h"

namespace {

using settings::ThemeChoice;

TEST(Themes, ContrastChoiceAndTheTagColourShown)
{
    // Relative luminance: black on white is 21:1, a colour on itself 1:1, and
    // #777777 on white just misses 4.5:1.
    const std::tuple<unsigned, unsigned, double> ratios[] = {{0x000000, 0xFFFFFF, 21.0}, {0xFFFFFF, 0x000000, 21.0},
                                                             {0x123456, 0x123456, 1.0},  {0x777777, 0xFFFFFF, 4.48},
                                                             {0x000080, 0xFFFFFF, 16.0}, {0xFFFF00, 0xFFFFFF, 1.07}};
    for (const auto& [a, b, ratio] : ratios) EXPECT_NEAR(settings::contrastRatio(a, b), ratio, 0.01) << std::hex << a;

    const std::tuple<ThemeChoice, bool, bool> choices[] = {
        {ThemeChoice::Classic, false, false},       {ThemeChoice::Classic, true, false},
        {ThemeChoice::Dark, false, true},           {ThemeChoice::Dark, true, true},
        {ThemeChoice::FollowDesktop, false, false}, {ThemeChoice::FollowDesktop, true, true}};
    for (const auto& [choice, desktopDark, dark] : choices)
        EXPECT_EQ(settings::themeFor(choice, desktopDark).dark, dark) << int(choice) << desktopDark;
    EXPECT_FALSE(settings::themeFor(7, true).dark);  // a choice this version does not know

    // Palette colours (by index: 0 black, 4 navy, 9 red, 11 yellow, 14 aqua, 15
    // white) shown as chosen where readable or where the theme has no colour
    // of its own (classic), else in the theme's own, itself readable.
    const std::tuple<int, int, int> shown[] = {{0, 11, 11}, {0, 4, 4}, {1, 4, 14}, {1, 0, 14}, {1, 15, 15}, {1, 9, 9}};
    for (const auto& [theme, chosen, expected] : shown)
        EXPECT_EQ(settings::shownTagColour(chosen, settings::themes()[theme]), markup::paletteRgb(expected))
            << theme << " " << chosen;
    for (const settings::Theme& theme : settings::themes())
        EXPECT_TRUE(theme.ownTagColour < 0 || settings::readableOn(markup::paletteRgb(theme.ownTagColour), theme));
}

}  // namespace
