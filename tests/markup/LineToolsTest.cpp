// Line tools: joining lines, list items and the plain-text page.

#include "markup/LineTools.h"
#include "markup/TagCase.h"
#include "markup/TextBuffer.h"

namespace {

using markup::TextBuffer;

TEST(JoinLines, MakesEveryKindOfLineBreakOneSpace)
{
    EXPECT_EQ(markup::joinLines("a\nb\rc\r\nd"), "a b c d");
}

// Lines from the selection's first to the last one it covers wholly become
// list items, the caret at the start of the line after them; a selection
// inside one line converts nothing.
TEST(ListItems, AreTheLinesTheSelectionCovers)
{
    // document, selection start and length, lower case, result ("" when nothing converts)
    const std::tuple<const char*, int, int, bool, const char*> rows[] = {
        {"l0\r\nl1\r\nl2\r\nl3\r\nl4\r\nl5", 8, 12, true,
         "l0\r\nl1\r\n<li>l2</li>\r\n<li>l3</li>\r\n<li>l4</li>\r\nl5"},
        {"a\r\n\r\nc\r\nd", 1, 6, false, "<LI>a</LI>\r\n<LI></LI>\r\nc\r\nd"},
        {"l0\r\nl1", 4, 1, true, ""}};
    for (const auto& [document, start, length, lower, expected] : rows) {
        TextBuffer b(document);
        b.setSelection(start, length);
        EXPECT_EQ(markup::convertToListItems(b, lower), *expected != 0) << document;
        EXPECT_EQ(b.text(), *expected ? expected : document);
    }
    TextBuffer b("a\r\nb\r\nc");
    b.setSelection(0, 6);
    markup::convertToListItems(b, true);
    EXPECT_EQ(b.selectionStart(), b.lineStart(2));
}

constexpr const char* kHeader =
    "<html>\r\n<head><title></title></head>\r\n\r\n<body bgcolor=\"#ffffff\">\r\n\r\n<pre>\r\n\r\n";
constexpr const char* kTrailer = "</pre>\r\n\r\n</body>\r\n</html>\r\n";

TEST(TextToHtml, PreEndsTheLastLineOrFollowsAnEmptyLine)
{
    EXPECT_EQ(markup::textToHtml("", true), std::string(kHeader) + "\r\n" + kTrailer);
    EXPECT_EQ(markup::textToHtml("one\r\ntwo", true), std::string(kHeader) + "one\r\ntwo\r\n" + kTrailer);
    EXPECT_EQ(markup::textToHtml("one\r\ntwo\r\n", true), std::string(kHeader) + "one\r\ntwo\r\n\r\n" + kTrailer);
    // Upper case, and lone breaks made pairs.
    EXPECT_EQ(markup::textToHtml("a\nb\rc", false), markup::toTagCase(std::string_view(kHeader), false) +
                                                        "a\r\nb\r\nc\r\n" +
                                                        markup::toTagCase(std::string_view(kTrailer), false));
}

}  // namespace
