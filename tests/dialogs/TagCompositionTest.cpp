// The elements the tag builder dialogs compose from their fields, and the
// colour mixer's rules, as tables: no widgets.

#include "dialogs/ColourMixer.h"
#include "dialogs/FontComposition.h"
#include "dialogs/ImageComposition.h"
#include "dialogs/LineComposition.h"
#include "dialogs/LinkComposition.h"
#include "markup/Palette.h"

namespace {

using namespace dialogs;
constexpr bool kLower = true, kUpper = false;

// What OK gives: the text, or "warn: " and the warning.
std::string outcome(const Composed& c)
{
    return (c.refused() ? "warn: " + c.warning : c.text).toStdString();
}

// Anchors, mail links and style-sheet links; an anchor without its address or
// description is refused.
TEST(LinkComposition, Links)
{
    const std::tuple<LinkFields, bool, const char*> anchors[] = {
        {{"index.html", "Home", "main"}, kUpper, R"(<A HREF="index.html" TARGET="main">Home</A>)"},
        {{"a\"b", "two\r\nlines", "f"}, kLower, "<a href=\"a\"b\" target=\"f\">two\r\nlines</a>"},
        {{"", "", "main"}, kLower, "warn: No address is specified."},
        {{"x", "", ""}, kLower, "warn: No description is specified."},
    };
    for (const auto& [fields, lower, expected] : anchors) EXPECT_EQ(outcome(anchorElement(fields, lower)), expected);
    EXPECT_EQ(LinkFields{}.address, "http://");

    EXPECT_EQ(mailElement({}, kLower), R"(<a href="mailto:"></a>)");
    EXPECT_EQ(mailElement({"me@x.org", "Me"}, kUpper), R"(<A HREF="mailto:me@x.org">Me</A>)");
    EXPECT_EQ(styleSheetLink("site.css", kLower), R"(<link rel=stylesheet href="site.css" type="text/css">)");
    EXPECT_EQ(styleSheetLink("Site.css", kUpper), R"(<LINK REL=STYLESHEET HREF="Site.css" TYPE="text/css">)");
}

// Images: attributes in order, only when filled.
TEST(ImageComposition, Images)
{
    const ImageFields all{.image = "pic.gif",
                          .linked = true,
                          .link = "page.html",
                          .border = "0",
                          .width = "100",
                          .height = "50",
                          .align = "Left",
                          .alternate = "Logo"};
    const std::tuple<ImageFields, bool, const char*> images[] = {
        {all, kLower,
         R"(<a href="page.html"><img src="pic.gif" width="100" height="50" align="left" border="0" alt="[Logo]"></a>)"},
        {all, kUpper,
         R"(<A HREF="page.html"><IMG SRC="pic.gif" WIDTH="100" HEIGHT="50" ALIGN="LEFT" BORDER="0" ALT="[Logo]"></A>)"},
        {{.image = "pic.gif"}, kLower, R"(<img src="pic.gif">)"},
        {{.image = "pic.gif", .useMap = true, .mapName = "#nav"}, kLower, R"(<img src="pic.gif" usemap="#nav">)"},
        {{.image = "p", .linked = true, .link = "l", .isMap = true}, kLower, R"(<a href="l"><img src="p" ismap></a>)"},
        {{.image = "p", .alternate = "x", .useMap = true, .mapName = "#M"},
         kUpper,
         R"(<IMG SRC="p" ALT="[x]" USEMAP="#M">)"},
        {{.image = "p", .isMap = true, .useMap = true}, kLower, "warn: You can't use both ISMAP and USEMAP together."},
        {{.isMap = true, .useMap = true}, kLower, "warn: No image is specified."},
    };
    for (const auto& [fields, lower, expected] : images) EXPECT_EQ(outcome(imageElement(fields, lower)), expected);
}

TEST(FontComposition, FontTags)
{
    const std::tuple<FontFields, bool, const char*> rows[] = {
        {{"+2", false, "FF0000", ""}, kLower, R"(<font size="+2">)"},
        {{"<default>", true, "800000", ""}, kLower, R"(<font color="800000">)"},
        {{"-1", true, "0000FF", "Verdana"}, kLower, R"(<font size="-1" color="0000ff" face="verdana">)"},
        {{"<DEFAULT>", true, " FF0000 ", "Arial"}, kUpper, R"(<FONT COLOR="FF0000" FACE="ARIAL">)"},
        // An empty size box (no item chosen) is a size, written empty.
        {{"", true, "c0c0c0", ""}, kUpper, R"(<FONT SIZE="" COLOR="C0C0C0">)"},
        {{"<default>", false, "000000", ""}, kLower, ""},
    };
    for (const auto& [fields, lower, start] : rows) {
        const FontTag tag = fontTag(fields, lower);
        EXPECT_EQ(tag.start, start);
        EXPECT_EQ(tag.end, tag.empty() ? "" : lower ? "</font>" : "</FONT>");
    }
    const FontTag tag = fontTag({"+2", false, "", ""}, kLower);
    EXPECT_EQ(fontInsertion(tag, "Hello"), R"(<font size="+2">Hello</font>)");
    EXPECT_EQ(fontInsertion(tag, ""), R"(<font size="+2">)");
    EXPECT_EQ(fontSizeItems().at(kDefaultFontSize), "<default>");
}

// The page background from the first bgcolor.
TEST(FontComposition, PageBackground)
{
    const std::pair<const char*, std::optional<Rgb>> pages[] = {
        {R"(<BODY BGCOLOR="#FFFFCC">)", Rgb{255, 255, 204}},
        {R"(<body text="x" bgColor="0a0B0c" bgcolor="ffffff">)", Rgb{10, 11, 12}},
        {R"(<body bgcolor="red">)", std::nullopt},
        {R"(<body bgcolor=ffcc00>)", std::nullopt},
    };
    for (const auto& [text, colour] : pages) EXPECT_EQ(pageBackground(text), colour) << text;
}

TEST(LineComposition, Rules)
{
    const std::tuple<LineFields, bool, const char*> rules[] = {
        {{"", "", "center", "<default>", true}, kLower, "<hr>"},
        {{"", "", "center", "<default>", false}, kLower, R"(<hr align="center" noshade>)"},
        {{"2", "50%", "center", "<default>", true}, kLower, R"(<hr align="center" size="2" width="50%">)"},
        {{"4", "", "center", "Red", false}, kUpper, R"(<HR ALIGN="CENTER" SIZE="4" COLOR="FF0000" NOSHADE>)"},
        {{}, kLower, R"(<hr align="left" size="2">)"},
        {{"", "", "left", "light GREY", true}, kUpper, R"(<HR ALIGN="LEFT" COLOR="C0C0C0">)"},
        {{"", "", "", "#123abc", true}, kLower, R"(<hr align="" color="#123abc">)"},  // typed, kept; align always
    };
    for (const auto& [fields, lower, expected] : rules) EXPECT_EQ(lineTag(fields, lower), expected);
    const QStringList items = lineColourItems();
    ASSERT_EQ(items.size(), 1 + markup::kPaletteSize);
    for (int i = 1; i < items.size(); ++i) EXPECT_EQ(lineColourCode(items[i]), markup::paletteCode(i - 1));
}

// The colour mixer's steps stay within the bars; codes are written and read.
TEST(ColourMixer, StepsAndCodes)
{
    const std::tuple<Rgb (*)(Rgb), Rgb, Rgb> steps[] = {
        {darker, {3, 100, 255}, {0, 93, 248}},    {darker, {6, 7, 8}, {0, 0, 1}},
        {lighter, {250, 0, 128}, {255, 7, 135}},  {lighter, {249, 248, 255}, {255, 255, 255}},
        {littleDarker, {0, 1, 255}, {0, 0, 254}}, {littleLighter, {255, 254, 0}, {255, 255, 1}},
    };
    for (const auto& [step, from, to] : steps) EXPECT_EQ(step(from), to);
    // Codes written and read.
    EXPECT_EQ(colourCode({255, 128, 0}), "FF8000");
    EXPECT_EQ(parseColourCode(u"FFcc00"), (Rgb{255, 204, 0}));
    for (const char16_t* bad : {u"", u"FFCC0", u"FFCC000", u"#FFCC0", u"GGGGGG", u"ff cc0", u"-1ff00"})
        EXPECT_FALSE(parseColourCode(bad)) << QString::fromUtf16(bad).toStdString();
}

}  // namespace
