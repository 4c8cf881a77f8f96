// Tag case, palette codes and case-insensitive search shared by every command.

#include "markup/FoldedPattern.h"
#include "markup/Palette.h"
#include "markup/TagCase.h"

namespace {

TEST(ToTagCase, ChangesOnlyAsciiLetters)
{
    EXPECT_EQ(markup::toTagCase(std::string_view("<TD Width=\"\">\xc3\x89"), true), "<td width=\"\">\xc3\x89");
    EXPECT_EQ(markup::toTagCase(std::string_view("</b> -->\xc3\xa9"), false), "</B> -->\xc3\xa9");
    EXPECT_EQ(markup::toTagCase(QString("caf\u00e9 B"), false), QString("CAF\u00e9 B"));
}

// Silver alone is written in lower case; past the grid, black.
TEST(Palette, WritesSilverInLowerCase)
{
    EXPECT_STREQ(markup::paletteCode(7), "c0c0c0");
    EXPECT_STREQ(markup::paletteCode(13), "FF00FF");
    EXPECT_STREQ(markup::paletteCode(16), "000000");
}

TEST(FindIgnoringCase, FoldsUnicodeCase)
{
    EXPECT_EQ(markup::findIgnoringCase("x \xc3\x89t\xc3\xa9", "\xc3\xa9T\xc3\x89", 0, 7), 2);
    EXPECT_EQ(markup::findIgnoringCase("aXa", "xa", 0, 3), 1);
    EXPECT_EQ(markup::findIgnoringCase("abc", "", 0, 3), -1);
    EXPECT_EQ(markup::findIgnoringCase("\xff\xfe\x61", "\xfe\x41", 0, 3), 1);  // bytes that are not UTF-8
}

}  // namespace
