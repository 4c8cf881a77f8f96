// The tag insertion engine on the headless editor: one row per command,
// editor state and option set; and the key-flag rules.

#include "markup/Highlighter.h"
#include "markup/TagEngine.h"
#include "support/Marked.h"

namespace {

using markup::KeyFlags;

constexpr KeyFlags kNone{false, false};
constexpr KeyFlags kEnd{true, false};
constexpr KeyFlags kSup{false, true};
constexpr KeyFlags kBoth{true, true};

enum class C { Pair, Cased, Raw, Entity, Comment, Cell, FontUp, FontDown };

// The options and key flags of a row, and the flags and recolour count it expects.
struct Given {
    bool lower = true, keep = false, fullCell = false;
    KeyFlags in = kNone, out = kNone;
    int recolours = 1;
};

struct Row {
    const char* name;
    const char* before;
    C command;
    const char* arg;
    std::string after;
    Given given = {};
};

class TagEngine : public testing::TestWithParam<Row> {};

TEST_P(TagEngine, Inserts)
{
    const Row& row = GetParam();
    markup::TextBuffer editor = marked::buffer(row.before);
    KeyFlags flags = row.given.in;
    int recolours = 0;
    markup::TagContext context{.tagCase = row.given.lower,
                               .KeepSelected = row.given.keep,
                               .FullCellTag = row.given.fullCell,
                               .HighlightingOn = false,
                               .flags = flags,
                               .RecolourNearCaret = [&] { ++recolours; }};
    // clang-format off
    switch (row.command) {
        case C::Pair: markup::InsertTagPair(editor, context, row.arg); break;
        case C::Cased: markup::InsertCasedText(editor, context, row.arg); break;
        case C::Raw: markup::InsertRawText(editor, context, row.arg); break;
        case C::Entity: markup::InsertEntity(editor, context, row.arg); break;
        case C::Comment: markup::insertComment(editor, context); break;
        case C::Cell: markup::insertTableCell(editor, context); break;
        case C::FontUp: markup::insertFontSizeStep(editor, context, +1); break;
        case C::FontDown: markup::insertFontSizeStep(editor, context, -1); break;
    }
    // clang-format on
    EXPECT_EQ(marked::selection(editor), row.after);
    EXPECT_EQ(flags.EndTagOnly, row.given.out.EndTagOnly);
    EXPECT_EQ(flags.SuppressTagPair, row.given.out.SuppressTagPair);
    EXPECT_EQ(recolours, row.given.recolours);
}

constexpr const char* kFullCell = R"(<td width="" align="" valign="" bgcolor="">)";
// clang-format off
using enum C;
const Row kRows[] = {
    // The tag pair.
    {"BoldWrapsSelection", "one [two] three", Pair, "b", "one <b>two</b>| three"},
    {"NoSelectionWritesStartTagAlone", "ab|cd", Pair, "b", "ab<b>|cd"},
    {"UpperCaseHeading", "[word]", Pair, "h1", "<H1>word</H1>|", {.lower = false}},
    {"KeepSelected10Plus5Center", "0123456789[abcde]xyz", Pair, "center", "0123456789<center>[abcde]</center>xyz",
     {.keep = true}},
    {"MultiLineSelectionWrappedWhole", "x[a\r\nb]y", Pair, "p", "x<p>a\r\nb</p>|y"},
    {"KeepSelectedCountsBytesOfMultiByteText", "x[caf\xc3\xa9\r\nb]y", Pair, "b", "x<b>[caf\xc3\xa9\r\nb]</b>y",
     {.keep = true}},
    {"EndTagOnlyReplacesSelection", "a[sel]b", Pair, "b", "a</b>|b", {.in = kEnd}},
    {"SuppressWritesNothing", "a[sel]b", Pair, "b", "a[sel]b", {.keep = true, .in = kSup, .out = kSup, .recolours = 0}},
    {"SuppressWinsOverEndTagOnly", "a|", Pair, "b", "a|", {.in = kBoth, .out = kBoth, .recolours = 0}},
    // End tags, custom stop texts and entities.
    {"CasedEndTagUpperKeepsSuppress", "a|", Cased, "</b>", "a</B>|", {.lower = false, .in = kBoth, .out = kSup}},
    {"RawTextAsTyped", "|", Raw, "</MyTag>", "</MyTag>|", {.in = kEnd}},
    {"EntityReplacesSelectionKeepsFlags", "a[x]b", Entity, "&reg;", "a&reg;|b",
     {.in = kEnd, .out = kEnd, .recolours = 0}},
    // Comments: no case, no KeepSelected, no SuppressTagPair, no recolouring.
    {"CommentWithoutSelectionOpensOnly", "a|b", Comment, "", "a<!-- |b", {.recolours = 0}},
    {"CommentWrapsSelection", "[x]", Comment, "", "<!-- x -->|",
     {.lower = false, .keep = true, .in = kSup, .out = kSup, .recolours = 0}},
    {"CommentEndTagOnly", "a[x]", Comment, "", "a -->|", {.in = kEnd, .recolours = 0}},
    // Table cell.
    {"PlainCellIsTagPair", "[w]", Cell, "", "<td>w</td>|"},
    {"FullCellUpperCase", "[w]", Cell, "", R"(<TD WIDTH="" ALIGN="" VALIGN="" BGCOLOR="">w</TD>|)",
     {.lower = false, .fullCell = true}},
    {"FullCellIgnoresKeyFlags", "[w]", Cell, "", std::string(kFullCell) + "w</td>|",
     {.fullCell = true, .in = kBoth, .out = kBoth}},
    {"FullCellKeepSelected", "a[w]", Cell, "", "a" + std::string(kFullCell) + "[w]</td>",
     {.keep = true, .fullCell = true}},
    // Font size steps.
    {"FontUpKeepSelected16Further", "ab[cd]", FontUp, "", R"(ab<font size="+1">[cd]</font>)", {.keep = true}},
    {"FontDownUpperCase", "[x]", FontDown, "", R"(<FONT SIZE="-1">x</FONT>|)", {.lower = false}},
    {"FontWithoutSelectionStartTagAlone", "|", FontUp, "", R"(<font size="+1">|)", {.keep = true}},
    {"FontEndTagOnlyLeavesFlagSet", "a[x]", FontUp, "", "a</font>|", {.in = kEnd, .out = kEnd}},
    {"FontIgnoresSuppress", "[x]", FontDown, "", R"(<font size="-1">x</font>|)", {.in = kSup, .out = kSup}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, TagEngine, testing::ValuesIn(kRows),
                         [](const auto& row) { return std::string(row.param.name); });

// With highlighting on an entity takes the tag colour; what is typed after
// it does not. Recolouring near the caret styles tag runs only, so the
// entity keeps its colour; a selection collapses to its start.
TEST(TagEngineHighlighting, ColoursAnInsertedEntityThatRecolouringKeeps)
{
    markup::TextBuffer editor = marked::buffer("<p>a|</p>");
    KeyFlags flags;
    markup::TagContext context{.HighlightingOn = true, .flags = flags, .RecolourNearCaret = {}};
    markup::InsertEntity(editor, context, "&copy;");
    editor.replaceSelection("x");
    EXPECT_EQ(marked::colours(editor), "<p>a{&copy;}x</p>");
    EXPECT_EQ(marked::selection(editor), "<p>a&copy;x|</p>");
    editor.setSelection(4, 6);
    markup::RecolourNearCaret(editor, 1, 1);
    EXPECT_EQ(marked::colours(editor), "{<p>}a{&copy;}x{</p>}");
    EXPECT_EQ(marked::selection(editor), "<p>a|&copy;x</p>");
}

// The key flags after a key press: which modifiers, and which key. On X11, Alt
// pressed while Shift is held arrives as Meta.
TEST(KeyFlags, FollowTheModifiersOfEachKeyPress)
{
    using Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier, Qt::ShiftModifier, Qt::NoModifier;
    const std::tuple<const char*, KeyFlags, int, Qt::KeyboardModifiers, KeyFlags> rows[] = {
        {"ShiftPressReportedWithoutShift", kNone, Qt::Key_Shift, NoModifier, kEnd},
        {"CapitalLetter", kSup, Qt::Key_A, ShiftModifier, kEnd},
        {"ShiftWhileCtrlHeld", kEnd, Qt::Key_Shift, ControlModifier, kSup},
        {"CtrlWhileShiftHeld", kEnd, Qt::Key_Control, ShiftModifier, kSup},
        {"CtrlShiftLetter", kNone, Qt::Key_Q, ShiftModifier | ControlModifier, kSup},
        {"ShiftThenAltArrivingAsMeta", kEnd, Qt::Key_Meta, ShiftModifier, kNone},
        {"ShiftThenAlt", kEnd, Qt::Key_Alt, ShiftModifier, kNone},
        {"ShiftMetaLetter", kEnd, Qt::Key_W, ShiftModifier | MetaModifier, kNone},
        {"AltWhileCtrlShiftHeld", kSup, Qt::Key_Alt, ShiftModifier | ControlModifier, kNone},
        {"CtrlShiftMetaLetter", kSup, Qt::Key_B, ShiftModifier | ControlModifier | MetaModifier, kNone},
        {"AltShiftReportedAsAlt", kEnd, Qt::Key_Shift, AltModifier, kNone},
        {"PlainLetterEndsSuppress", kSup, Qt::Key_X, NoModifier, kNone}};
    for (const auto& [name, before, key, modifiers, expected] : rows) {
        const KeyFlags after = markup::keyFlagsAfterPress(before, key, modifiers);
        EXPECT_EQ(std::pair(after.EndTagOnly, after.SuppressTagPair),
                  std::pair(expected.EndTagOnly, expected.SuppressTagPair))
            << name;
    }
}

}  // namespace
