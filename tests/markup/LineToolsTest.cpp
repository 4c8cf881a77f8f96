// Line tools: joining lines, list items and the plain-text page.
#include <gtest/gtest.h>

#include "markup/LineTools.h"
#include "markup/TextBuffer.h"

namespace {

using markup::TextBuffer;

TEST(RemoveLineBreaks, JoinsTheSelectedLinesAndKeepsTheBreakAfterTheSelection)
{
    TextBuffer b("x\r\none\r\ntwo\r\nthree\r\ny");
    b.setSelection(3, 15);
    ASSERT_EQ(b.selectedText(), "one\r\ntwo\r\nthree");
    markup::RemoveLineBreaks(b);
    EXPECT_EQ(b.text(), "x\r\none two three\r\ny");
    EXPECT_EQ(b.selectionStart(), 3);
    EXPECT_EQ(b.selectionLength(), 0);
}

TEST(RemoveLineBreaks, LoneBreaksBecomeSpacesWithoutEatingACharacter)
{
    EXPECT_EQ(markup::JoinLines("a\nb\rc\r\nd"), "a b c d");
    EXPECT_EQ(markup::JoinLines("no breaks"), "no breaks");
}

std::string sevenLines()
{
    return "l0\r\nl1\r\nl2\r\nl3\r\nl4\r\nl5\r\nl6";
}

TEST(ListItems, FromTheStartOfLine2ToTheStartOfLine5ConvertsLines2To4)
{
    TextBuffer b(sevenLines());
    b.setSelection(b.lineStart(2), b.lineStart(5) - b.lineStart(2));
    EXPECT_TRUE(markup::ConvertToListItems(b, true));
    EXPECT_EQ(b.text(), "l0\r\nl1\r\n<li>l2</li>\r\n<li>l3</li>\r\n<li>l4</li>\r\nl5\r\nl6");
    EXPECT_EQ(b.selectionStart(), b.lineStart(5));
}

TEST(ListItems, SelectionEndingInsideALineLeavesThatLineAndUpperCase)
{
    TextBuffer b("a\r\n\r\nc\r\nd");
    b.setSelection(1, 6);  // from inside line 0 to inside line 2
    EXPECT_TRUE(markup::ConvertToListItems(b, false));
    EXPECT_EQ(b.text(), "<LI>a</LI>\r\n<LI></LI>\r\nc\r\nd");
}

TEST(ListItems, SelectionInsideOneLineConvertsNothing)
{
    TextBuffer b(sevenLines());
    b.setSelection(4, 1);
    EXPECT_FALSE(markup::ConvertToListItems(b, true));
    EXPECT_EQ(b.text(), sevenLines());
}

constexpr const char* kHeader =
    "<html>\r\n<head><title></title></head>\r\n\r\n<body bgcolor=\"#ffffff\">\r\n\r\n<pre>\r\n\r\n";
constexpr const char* kTrailer = "</pre>\r\n\r\n</body>\r\n</html>\r\n";

TEST(TextToHtml, EmptyDocumentIsTheHeaderThenTheTrailerLines)
{
    EXPECT_EQ(markup::TextToHtml("", true), std::string(kHeader) + "\r\n" + kTrailer);
}

TEST(TextToHtml, PreEndsTheLastLineOrFollowsAnEmptyLine)
{
    EXPECT_EQ(markup::TextToHtml("one\r\ntwo", true), std::string(kHeader) + "one\r\ntwo\r\n" + kTrailer);
    EXPECT_EQ(markup::TextToHtml("one\r\ntwo\r\n", true), std::string(kHeader) + "one\r\ntwo\r\n\r\n" + kTrailer);
}

TEST(TextToHtml, UpperCaseAndLoneBreaksMadePairs)
{
    const std::string page = markup::TextToHtml("a\nb\rc", false);
    EXPECT_EQ(page.substr(0, 8), "<HTML>\r\n");
    EXPECT_NE(page.find("<HEAD><TITLE></TITLE></HEAD>\r\n"), std::string::npos);
    EXPECT_NE(page.find("<BODY BGCOLOR=\"#FFFFFF\">\r\n"), std::string::npos);
    EXPECT_NE(page.find("<PRE>\r\n\r\na\r\nb\r\nc\r\n</PRE>\r\n\r\n</BODY>\r\n</HTML>\r\n"), std::string::npos);
}

}  // namespace
