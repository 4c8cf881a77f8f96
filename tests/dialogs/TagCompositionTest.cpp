// The elements the tag builder dialogs compose from their fields, and the
// colour mixer's rules, as tables: no widgets.
#include <gtest/gtest.h>

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

TEST(LinkComposition, AnchorMailAndStyleSheet)
{
    const struct {
        LinkFields fields;
        bool lower;
        const char* expected;
    } anchors[] = {
        {{"index.html", "Home", ""}, kLower, R"(<a href="index.html">Home</a>)"},
        {{"index.html", "Home", "main"}, kUpper, R"(<A HREF="index.html" TARGET="main">Home</A>)"},
        {{"a\"b", "two\r\nlines", "f"}, kLower, "<a href=\"a\"b\" target=\"f\">two\r\nlines</a>"},
        {{"", "", "main"}, kLower, "warn: No address is specified."},
        {{"x", "", ""}, kLower, "warn: No description is specified."},
    };
    for (const auto& row : anchors) EXPECT_EQ(outcome(anchorElement(row.fields, row.lower)), row.expected);
    EXPECT_EQ(LinkFields{}.address, "http://");

    EXPECT_EQ(mailElement({}, kLower), R"(<a href="mailto:"></a>)");
    EXPECT_EQ(mailElement({"me@x.org", "Me"}, kUpper), R"(<A HREF="mailto:me@x.org">Me</A>)");
    EXPECT_EQ(styleSheetLink("site.css", kLower), R"(<link rel=stylesheet href="site.css" type="text/css">)");
    EXPECT_EQ(styleSheetLink("Site.css", kUpper), R"(<LINK REL=STYLESHEET HREF="Site.css" TYPE="text/css">)");
}

TEST(ImageComposition, AttributesInOrderOnlyWhenFilled)
{
    ImageFields all;
    all.image = "pic.gif", all.linked = true, all.link = "page.html", all.border = "0", all.width = "100";
    all.height = "50", all.align = "Left", all.alternate = "Logo";
    auto with = [](auto change) {
        ImageFields f;
        f.image = "pic.gif", f.link = "page.html";
        change(f);
        return f;
    };
    const struct {
        ImageFields fields;
        bool lower;
        const char* expected;
    } rows[] = {
        {all, kLower,
         R"(<a href="page.html"><img src="pic.gif" width="100" height="50" align="left" border="0" alt="[Logo]"></a>)"},
        {all, kUpper,
         R"(<A HREF="page.html"><IMG SRC="pic.gif" WIDTH="100" HEIGHT="50" ALIGN="LEFT" BORDER="0" ALT="[Logo]"></A>)"},
        {with([](auto&) {}), kLower, R"(<img src="pic.gif">)"},
        {with([](auto& f) { f.isMap = true; }), kLower, R"(<img src="pic.gif" ismap>)"},
        {with([](auto& f) { f.useMap = true, f.mapName = "#nav"; }), kLower, R"(<img src="pic.gif" usemap="#nav">)"},
        {with([](auto& f) { f.linked = f.isMap = true; }), kLower,
         R"(<a href="page.html"><img src="pic.gif" ismap></a>)"},
        {with([](auto& f) { f.useMap = true, f.alternate = "x", f.mapName = "#Map"; }), kUpper,
         R"(<IMG SRC="pic.gif" ALT="[x]" USEMAP="#Map">)"},
        {with([](auto& f) { f.linked = true, f.link = "http://", f.image = "Pic.GIF"; }), kUpper,
         R"(<A HREF="http://"><IMG SRC="Pic.GIF"></A>)"},
        {with([](auto& f) { f.isMap = f.useMap = true; }), kLower,
         "warn: You can't use both ISMAP and USEMAP together."},
        {with([](auto& f) { f.image.clear(), f.isMap = f.useMap = true; }), kLower, "warn: No image is specified."},
    };
    for (const auto& row : rows) EXPECT_EQ(outcome(imageElement(row.fields, row.lower)), row.expected);
    EXPECT_EQ(imageBorderItems().size(), 12);
    EXPECT_EQ(imageAlignItems().first(), "");
}

TEST(FontComposition, StartTagFromTheChosenAttributes)
{
    const struct {
        FontFields fields;
        bool lower;
        const char* start;
    } rows[] = {
        {{"+2", false, "FF0000", ""}, kLower, R"(<font size="+2">)"},
        {{"<default>", true, "800000", ""}, kLower, R"(<font color="800000">)"},
        {{"-1", true, "0000FF", "Verdana"}, kLower, R"(<font size="-1" color="0000ff" face="verdana">)"},
        {{"<DEFAULT>", true, " FF0000 ", "Arial"}, kUpper, R"(<FONT COLOR="FF0000" FACE="ARIAL">)"},
        {{"", true, "c0c0c0", ""}, kUpper, R"(<FONT COLOR="C0C0C0">)"},  // an empty size is no size
        {{"<default>", false, "000000", ""}, kLower, ""},
        {{"<default>", true, "  ", ""}, kLower, ""},
    };
    for (const auto& row : rows) {
        const FontTag tag = fontTag(row.fields, row.lower);
        EXPECT_EQ(tag.start, row.start);
        if (!tag.empty()) {
            EXPECT_EQ(tag.end, row.lower ? "</font>" : "</FONT>");
        }
    }
    const FontTag tag = fontTag({"+2", false, "", ""}, kLower);
    EXPECT_EQ(fontInsertion(tag, "Hello"), R"(<font size="+2">Hello</font>)");
    EXPECT_EQ(fontInsertion(tag, ""), R"(<font size="+2">)");
    EXPECT_EQ(fontSizeItems().at(kDefaultFontSize), "<default>");
}

TEST(FontComposition, PageBackgroundFromTheFirstBgcolor)
{
    const std::pair<const char*, std::optional<Rgb>> rows[] = {
        {R"(<BODY BGCOLOR="#FFFFCC">)", Rgb{255, 255, 204}},
        {R"(<body text="x" bgColor="0a0B0c" bgcolor="ffffff">)", Rgb{10, 11, 12}},
        {R"(<body bgcolor="red">)", std::nullopt},
        {R"(<body bgcolor="#ffcc)", std::nullopt},
        {R"(<body bgcolor=ffcc00>)", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, colour] : rows) EXPECT_EQ(pageBackground(text), colour) << text;
}

TEST(LineComposition, RuleFromTheFields)
{
    const struct {
        LineFields fields;
        bool lower;
        const char* expected;
    } rows[] = {
        {{"", "", "center", "<default>", true}, kLower, "<hr>"},
        {{"", "", "center", "<default>", false}, kLower, R"(<hr align="center" noshade>)"},
        {{"2", "50%", "center", "<default>", true}, kLower, R"(<hr align="center" size="2" width="50%">)"},
        {{"4", "", "center", "Red", false}, kLower, R"(<hr align="center" size="4" color="ff0000" noshade>)"},
        {{"4", "", "center", "Red", false}, kUpper, R"(<HR ALIGN="CENTER" SIZE="4" COLOR="FF0000" NOSHADE>)"},
        {{}, kLower, R"(<hr align="left" size="2">)"},
        {{"", "", "left", "light GREY", true}, kUpper, R"(<HR ALIGN="LEFT" COLOR="C0C0C0">)"},
        {{"", "", "", "#123abc", true}, kLower, R"(<hr color="#123abc">)"},  // typed, kept
        {{"1", "", "right", "", false}, kLower, R"(<hr align="right" size="1" noshade>)"},
    };
    for (const auto& row : rows) EXPECT_EQ(lineTag(row.fields, row.lower), row.expected);
    const QStringList items = lineColourItems();
    ASSERT_EQ(items.size(), 1 + markup::kPaletteSize);
    EXPECT_EQ(items.indexOf("Red"), 10);
    EXPECT_EQ(items.indexOf("Light grey"), 8);
    for (int i = 1; i < items.size(); ++i) EXPECT_EQ(lineColourCode(items[i]), markup::paletteCode(i - 1));
}

TEST(ColourMixer, StepsStayWithinTheBars)
{
    const struct {
        Rgb (*step)(Rgb);
        Rgb from, to;
    } rows[] = {
        {darker, {3, 100, 255}, {0, 93, 248}},    {darker, {6, 7, 8}, {0, 0, 1}},
        {lighter, {250, 0, 128}, {255, 7, 135}},  {lighter, {249, 248, 255}, {255, 255, 255}},
        {littleDarker, {0, 1, 255}, {0, 0, 254}}, {littleLighter, {255, 254, 0}, {255, 255, 1}},
    };
    for (const auto& row : rows) EXPECT_EQ(row.step(row.from), row.to);
}

TEST(ColourMixer, CodesWrittenAndRead)
{
    EXPECT_EQ(colourCode({255, 128, 0}), "FF8000");
    EXPECT_EQ(colourCode({0, 10, 171}), "000AAB");
    EXPECT_EQ(parseColourCode(u"FFcc00"), (Rgb{255, 204, 0}));
    for (const char16_t* bad : {u"", u"FFCC0", u"FFCC000", u"#FFCC0", u"GGGGGG", u"ff cc0", u"-1ff00"})
        EXPECT_FALSE(parseColourCode(bad)) << QString::fromUtf16(bad).toStdString();
    EXPECT_EQ(validCodeOr("c0c0c0", "000000"), "c0c0c0");
    EXPECT_EQ(validCodeOr("navy", "000000"), "000000");
    EXPECT_EQ(codeInTagCase("c0c0c0", kUpper), "C0C0C0");
    EXPECT_EQ(codeInTagCase("FF0000", kLower), "ff0000");
    EXPECT_EQ(rgbValue({255, 204, 0}), 0xFFCC00u);
}

}  // namespace
