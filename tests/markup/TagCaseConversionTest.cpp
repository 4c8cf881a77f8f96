// Tag case conversion and tag removal as pure passes over a text.
#include <gtest/gtest.h>

#include "markup/TagCaseConversion.h"

namespace {

using markup::ConvertTagCase;
using markup::RemoveTags;

struct CaseRow {
    const char* name;
    bool upper;
    const char* input;
    const char* expected;
};

class TagCase : public testing::TestWithParam<CaseRow> {};

TEST_P(TagCase, ConvertsTagsButNotAddressValuesNorText)
{
    const CaseRow& row = GetParam();
    const markup::TagPassResult r = ConvertTagCase(row.input, row.upper);
    EXPECT_EQ(r.text, row.expected);
    EXPECT_FALSE(r.brokenTag);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TagCase,
    testing::Values(
        // The href value and the link text (its first letter too) keep their case.
        CaseRow{"AnchorUpper", true, "<a href=\"MyPage.Html\">Link Text</a>", "<A HREF=\"MyPage.Html\">Link Text</A>"},
        // The src value keeps its case; the alt value after it is lowered.
        CaseRow{"ImageLower", false, "<IMG SRC=\"Images/Photo.GIF\" ALT=\"My Photo\">",
                "<img src=\"Images/Photo.GIF\" alt=\"my photo\">"},
        // "und=" of background: its value stays, the colour value is lowered.
        CaseRow{"BodyLower", false, "<BODY BACKGROUND=\"Back.GIF\" BGCOLOR=\"#FFFFFF\">",
                "<body background=\"Back.GIF\" bgcolor=\"#ffffff\">"},
        CaseRow{"LowsrcMatchesSrc", false, "<IMG LOWSRC=\"Lo.GIF\">", "<img lowsrc=\"Lo.GIF\">"},
        // The ref step runs on the tag as the src step left it, and the later
        // step converts the earlier value lying before its keyword.
        CaseRow{"TwoKeywordsLaterStepWins", false, "<A HREF=\"Ab\" SRC=\"Cd\">", "<a href=\"ab\" src=\"cd\">"},
        // The keyword is there but no double quote follows anywhere: nothing changes.
        CaseRow{"UnquotedSrcWithoutValueEnd", true, "<img src=pic.gif>some text", "<img src=pic.gif>some text"},
        // The value's end quote lies beyond the ">": only the tag up to the keyword changes.
        CaseRow{"ValueEndBeyondTagChangesNothingOutside", true, "<img src=\"\" alt=x>say \"hi\" <b>",
                "<IMG SRC=\"\" alt=x>say \"hi\" <B>"},
        CaseRow{"CommentsAreTagsTextAndEntitiesAreNot", true, "<!-- note <b> -->caf&eacute; <i>x</i>",
                "<!-- NOTE <B> -->caf&eacute; <I>x</I>"},
        CaseRow{"OnlyAsciiLettersChange", true, "<p title=\"\xc3\xa9t\xc3\xa9\">\xc3\xa9",
                "<P TITLE=\"\xc3\xa9T\xc3\xa9\">\xc3\xa9"},
        CaseRow{"TagsOverLines", false, "<TABLE\r\nBORDER=1>\r\nText\r\n</TABLE>",
                "<table\r\nborder=1>\r\nText\r\n</table>"},
        CaseRow{"NoTagAtAll", true, "a > b and c", "a > b and c"}, CaseRow{"Empty", false, "", ""}),
    [](const testing::TestParamInfo<CaseRow>& row) { return std::string(row.param.name); });

TEST(TagCaseBroken, KeepsTheWorkBeforeTheBrokenTag)
{
    const markup::TagPassResult r = ConvertTagCase("<b>x</b> <i class=\"A\" and more", true);
    EXPECT_TRUE(r.brokenTag);
    EXPECT_EQ(r.text, "<B>x</B> <i class=\"A\" and more");
}

TEST(TagCaseLinear, ManyKeywordsWithoutAnyQuoteAfterThem)
{
    // Each tag's value-end search runs to the end of the text; it must not be
    // repeated per tag.
    std::string text;
    for (int i = 0; i < 200'000; ++i) text += "<IMG SRC=A>";
    EXPECT_EQ(ConvertTagCase(text, false).text, text);
}

struct RemoveRow {
    const char* name;
    const char* input;
    const char* expected;
    bool broken;
};

class TagRemoval : public testing::TestWithParam<RemoveRow> {};

TEST_P(TagRemoval, DeletesEveryTagAndKeepsTheRest)
{
    const RemoveRow& row = GetParam();
    const markup::TagPassResult r = RemoveTags(row.input);
    EXPECT_EQ(r.text, row.expected);
    EXPECT_EQ(r.brokenTag, row.broken);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TagRemoval,
    testing::Values(RemoveRow{"TwoAdjacentTagsAtTheStart", "<html><body>Text</body>", "Text", false},
                    RemoveRow{"LineBreaksAndEntitiesStay", "<p>a&amp;b</p>\r\n<br>\r\nc", "a&amp;b\r\n\r\nc", false},
                    RemoveRow{"NestedLessThanEndsAtFirstGreater", "x<a<b>y>z", "xy>z", false},
                    RemoveRow{"NoLessThan", "a > b", "a > b", false},
                    RemoveRow{"BrokenTagKeepsTheRest", "a<b>c<d e", "ac<d e", true},
                    RemoveRow{"OnlyTags", "<a><b><c>", "", false}),
    [](const testing::TestParamInfo<RemoveRow>& row) { return std::string(row.param.name); });

}  // namespace
