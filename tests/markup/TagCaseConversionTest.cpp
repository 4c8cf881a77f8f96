// Tag case conversion and tag removal as pure passes over a text.

#include "markup/TagCaseConversion.h"

namespace {

using markup::convertTagCase;
using markup::RemoveTags;

TEST(TagCase, ConvertsTagsButNotAddressValuesNorText)
{
    // name, to upper case, input, output
    const std::tuple<const char*, bool, const char*, const char*> rows[] = {
        // The href value and the link text (its first letter too) keep their case.
        {"AnchorUpper", true, "<a href=\"MyPage.Html\">Link Text</a>", "<A HREF=\"MyPage.Html\">Link Text</A>"},
        // The src value keeps its case; the alt value after it is lowered.
        {"ImageLower", false, "<IMG SRC=\"Images/Photo.GIF\" ALT=\"My Photo\">",
         "<img src=\"Images/Photo.GIF\" alt=\"my photo\">"},
        // "und=" of background: its value stays, the colour value is lowered.
        {"BodyLower", false, "<BODY BACKGROUND=\"Back.GIF\" BGCOLOR=\"#FFFFFF\">",
         "<body background=\"Back.GIF\" bgcolor=\"#ffffff\">"},
        {"LowsrcMatchesSrc", false, "<IMG LOWSRC=\"Lo.GIF\">", "<img lowsrc=\"Lo.GIF\">"},
        // The ref step runs on the tag as the src step left it, and the later
        // step converts the earlier value lying before its keyword.
        {"TwoKeywordsLaterStepWins", false, "<A HREF=\"Ab\" SRC=\"Cd\">", "<a href=\"ab\" src=\"cd\">"},
        // The keyword is there but no double quote follows anywhere: nothing changes.
        {"UnquotedSrcWithoutValueEnd", true, "<img src=pic.gif>some text", "<img src=pic.gif>some text"},
        // The value's end quote lies beyond the ">": only the tag up to the keyword changes.
        {"ValueEndBeyondTagChangesNothingOutside", true, "<img src=\"\" alt=x>say \"hi\" <b>",
         "<IMG SRC=\"\" alt=x>say \"hi\" <B>"},
        {"CommentsAreTagsTextAndEntitiesAreNot", true, "<!-- note <b> -->caf&eacute; <i>x</i>",
         "<!-- NOTE <B> -->caf&eacute; <I>x</I>"},
        {"OnlyAsciiLettersChange", true, "<p title=\"\xc3\xa9t\xc3\xa9\">\xc3\xa9",
         "<P TITLE=\"\xc3\xa9T\xc3\xa9\">\xc3\xa9"},
        {"TagsOverLines", false, "<TABLE\r\nBORDER=1>\r\nText\r\n</TABLE>", "<table\r\nborder=1>\r\nText\r\n</table>"},
        {"NoTagAtAll", true, "a > b and c", "a > b and c"},
        {"Empty", false, "", ""},
        // A tag without its ">": the work before it is kept, the rest left alone.
        {"BrokenTagStopsTheWork", true, "<b>x</b> <i class=\"A\" and more", "<B>x</B> <i class=\"A\" and more"}};
    for (const auto& [name, upper, input, expected] : rows) {
        const markup::TagPassResult r = convertTagCase(input, upper);
        EXPECT_EQ(r.text, expected) << name;
        EXPECT_EQ(r.brokenTag, std::string_view(name).starts_with("Broken")) << name;
    }
}

TEST(TagRemoval, DeletesEveryTag)
{
    // input, output, a broken tag
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"<html><body>Text</body>", "Text", false},
        {"<p>a&amp;b</p>\r\n<br>\r\nc", "a&amp;b\r\n\r\nc", false},
        {"x<a<b>y>z", "xy>z", false},
        {"a > b", "a > b", false},
        {"a<b>c<d e", "ac<d e", true},
        {"<a><b><c>", "", false}};
    for (const auto& [input, expected, broken] : rows) {
        const markup::TagPassResult r = RemoveTags(input);
        EXPECT_EQ(r.text, expected) << input;
        EXPECT_EQ(r.brokenTag, broken) << input;
    }
}

}  // namespace
