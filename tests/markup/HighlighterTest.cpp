// Syntax highlighting on the headless editor: which runs the scan colours,
// which lines the recolouring after an insertion touches, and what colouring
// leaves alone (the text, the modified flag, the caret).

#include <utility>

#include "markup/Highlighter.h"
#include "support/Marked.h"

namespace {

// Each run from "<" to the next ">" is coloured, by the whole-document pass and
// (where the text is one line) by the recolouring near the caret alike.
TEST(Scan, ColoursEachRunFromLessThanToTheNextGreaterThan)
{
    // name, text, coloured
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"NoTags", "plain & simple", "plain & simple"},
        {"Pair", "<b>x</b>", "{<b>}x{</b>}"},
        {"LoneLessThanRunsToFirstTagEnd", "1 < 2 <i>x</i>", "1 {< 2 <i>}x{</i>}"},
        {"CommentHoldingGreaterThan", "<!-- a > b -->c", "{<!-- a >} b -->c"},
        {"AttributeHoldingGreaterThan", R"(<a title="x>y">z)", R"({<a title="x>}y">z)"},
        {"UnclosedTagRunsToNextGreaterThan", "<b>x<i y <u>", "{<b>}x{<i y <u>}"},
        {"LessThanWithoutGreaterThanEndsScan", "<b>x< y", "{<b>}x< y"},
        {"EntitiesStayDefault", "&reg;<br>&nbsp;", "&reg;{<br>}&nbsp;"},
        {"TagOverLineBreak", "<a\r\nhref>x", "{<a\r\nhref>}x"},
        {"LessThanInsideTag", "<a<b>c>", "{<a<b>}c>"}};
    for (const auto& [name, text, coloured] : rows) {
        markup::TextBuffer whole(text), near(text);
        markup::ColourDocument(whole);
        EXPECT_EQ(marked::colours(whole), coloured) << name;
        if (std::string_view(text).find('\n') != std::string_view::npos) continue;
        near.setSelection(near.length(), 0);
        markup::RecolourNearCaret(near, 1, 1);
        EXPECT_EQ(marked::colours(near), coloured) << name << " near the caret";
    }
}

// The passes over the whole document never touch the text nor the modified
// flag; colouring for Replace All keeps the selection, the others put the
// caret at the start.
TEST(WholeDocumentColours, PlaceTheCaretAsEachPassSays)
{
    using Pass = void (*)(markup::TextEditor&);
    const std::tuple<const char*, Pass, const char*, const char*> rows[] = {
        {"ColourWholeText", markup::colourWholeText, "old {<b>}x{</b>} tail", "old <b>[x]</b> tail"},
        {"ColourDocument", markup::ColourDocument, "old {<b>}x{</b>} tail", "|old <b>x</b> tail"},
        {"ClearColours", markup::ClearColours, "old <b>x</b> tail", "|old <b>x</b> tail"}};
    for (const auto& [name, pass, colours, selection] : rows)
        for (const bool modified : {false, true}) {
            markup::TextBuffer editor = marked::buffer("old <b>[x]</b> tail");
            editor.setStyle(0, 3, markup::TagStyle);
            editor.setModified(modified);
            pass(editor);
            EXPECT_EQ(marked::colours(editor), colours) << name;
            EXPECT_EQ(marked::selection(editor), selection) << name;
            EXPECT_EQ(editor.isModified(), modified) << name;
        }
}

// The whole-document colouring reads the text in pieces of 64 KB; tags that
// straddle pieces must come out as a plain one-character-at-a-time scan
// colours them.
std::string referenceStyles(const std::string& text)
{
    std::string out(text.size(), '\0');
    for (size_t p = 0; p < text.size(); ++p) {
        if (text[p] != '<') continue;
        const size_t gt = text.find('>', p);
        if (gt == std::string::npos) break;
        std::fill(out.begin() + static_cast<long>(p), out.begin() + static_cast<long>(gt) + 1, '\1');
        p = gt;
    }
    return out;
}

std::string stylesOf(const markup::TextEditor& editor)
{
    std::string styles;
    for (markup::Pos i = 0; i < editor.length(); ++i) styles += static_cast<char>(editor.styleAt(i));
    return styles;
}

TEST(ColourDocument, TagsAcrossThePiecesOfALargeTextMatchASimpleScan)
{
    constexpr size_t kPiece = 64 * 1024;
    const std::string pad(kPiece - 3, 'x');
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"TagStraddlingAPiece", pad + "<abcdef>y"},
        {"GreaterThanFirstInNextPiece", pad + "<ab>y"},
        {"LessThanLastInPiece", std::string(kPiece - 1, 'x') + "<a>"},
        {"TagOverThreePieces", "a<" + std::string(2 * kPiece, 'x') + ">b<i>"},
        {"UnclosedOverPieces", "<b>" + pad + "<" + std::string(kPiece, 'x')},
        {"UnclosedThenManyLessThan", "<b>x<" + std::string(kPiece, '<')},
    };
    for (const auto& [name, text] : cases) {
        // A document never coloured, where a tag left out stays in the default
        // style, and one in the tag style throughout, where no colour of an
        // earlier colouring may survive.
        for (const bool styledBefore : {false, true}) {
            SCOPED_TRACE(std::string(name) + (styledBefore ? ", styled before" : ", never coloured"));
            markup::TextBuffer editor(text);
            if (styledBefore) editor.setStyle(0, editor.length(), markup::TagStyle);
            markup::ColourDocument(editor);
            EXPECT_TRUE(stylesOf(editor) == referenceStyles(text));
        }
        EXPECT_TRUE(markup::tagStyles(text) == referenceStyles(text)) << name;
    }
}

// RecolourNearCaret(linesBack, extraLines); "|" marks the caret, which must
// come back where it was with nothing selected.
TEST(Region, ColoursOnlyTheLinesAroundTheCaret)
{
    // name, text with the caret, lines back, extra lines, coloured
    const std::tuple<const char*, const char*, int, int, const char*> rows[] = {
        {"LineAboveAndCaretLine", "<a>\r\n<b>\r\n<c>|\r\n<d>\r\n<e>", 1, 1, "<a>\r\n{<b>}\r\n{<c>}\r\n<d>\r\n<e>"},
        {"CaretOnFirstLine", "<a>|\r\n<b>\r\n<c>", 1, 1, "{<a>}\r\n<b>\r\n<c>"},
        {"CaretOnLastLine", "<a>\r\n<b>\r\n<c>|", 1, 1, "<a>\r\n{<b>}\r\n{<c>}"},
        // Two lines <b> and <c> inserted above the caret's line: (2 + 1, 2 + 2).
        {"InsertedBlockOfTwoLines", "<z>\r\n<a>\r\n<b>\r\n<c>\r\n<d>|\r\n<e>\r\n<f>", 3, 4,
         "<z>\r\n{<a>}\r\n{<b>}\r\n{<c>}\r\n{<d>}\r\n{<e>}\r\n<f>"},
        {"BlockPastTheEnd", "<a>\r\n<b>|", 2, 5, "{<a>}\r\n{<b>}"},
        {"TagLeavingTheRegionIsNotColoured", "<a>\r\n<b x|\r\ny>", 1, 1, "{<a>}\r\n<b x\r\ny>"},
        {"TagEnteringTheRegionFromAboveIsNotColoured", "<a\r\nb>\r\n<c>|", 1, 1, "<a\r\nb>\r\n{<c>}"},
        {"OverlappingRuns", "x\r\n<a<b>c|", 1, 1, "x\r\n{<a<b>}c"},
        {"LoneLineFeeds", "<a>\n<b>\n<c>|\n<d>", 1, 1, "<a>\n{<b>}\n{<c>}\n<d>"}};
    for (const auto& [name, before, linesBack, extraLines, coloured] : rows) {
        markup::TextBuffer editor = marked::buffer(before);
        const std::string caretBefore = marked::selection(editor);
        markup::RecolourNearCaret(editor, linesBack, extraLines);
        EXPECT_EQ(marked::colours(editor), coloured) << name;
        EXPECT_EQ(marked::selection(editor), caretBefore) << name;
        EXPECT_FALSE(editor.isModified()) << name;
    }
}

// On a minified page (one long line) only the tags near the caret are
// coloured; a tag cut by the reach is left as it was.
TEST(Region, OnALongLineReachesOnlyTheTagsNearTheCaret)
{
    constexpr auto kReach = static_cast<size_t>(markup::kNearCaretReach);
    // The reach starts inside <aaaa> and ends inside <dddd>.
    const std::string before = "<aaaa>" + std::string(kReach - 4, 'x'),
                      after = std::string(kReach - 6, 'y') + "<dddd><e>";
    markup::TextBuffer editor(before + "<b><c>" + after);
    editor.setSelection(static_cast<markup::Pos>(before.size()) + 3, 0);
    markup::RecolourNearCaret(editor, 1, 1);
    EXPECT_EQ(marked::colours(editor), before + "{<b><c>}" + after);
    EXPECT_EQ(editor.selectionStart(), static_cast<markup::Pos>(before.size()) + 3);
}

}  // namespace
