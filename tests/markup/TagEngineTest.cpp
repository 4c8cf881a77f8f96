// The tag insertion engine on the headless editor: one row per command,
// editor state and option set; and the key-flag rules.
#include <gtest/gtest.h>

#include "markup/TagEngine.h"
#include "support/Marked.h"

namespace {

using markup::KeyFlags;

constexpr KeyFlags kNone{false, false};
constexpr KeyFlags kEndOnly{true, false};
constexpr KeyFlags kSuppress{false, true};
constexpr KeyFlags kBoth{true, true};

enum class Command { Pair, Cased, Raw, Entity, Comment, Cell, FontUp, FontDown };

// The options and flags of a row, and the flags and recolour count it expects.
struct Given {
    bool lower = true, keep = false, fullCell = false;
    KeyFlags flags = kNone;
    KeyFlags flagsAfter = kNone;
    int recolours = 1;
};

struct Row {
    const char* name;
    const char* before;
    Command command;
    const char* arg;
    const char* after;
    Given given = {};
};

std::ostream& operator<<(std::ostream& os, const Row& row)
{
    return os << row.name;
}

class TagEngine : public testing::TestWithParam<Row> {};

TEST_P(TagEngine, Inserts)
{
    const Row& row = GetParam();
    const Given& given = row.given;
    markup::TextBuffer editor = marked::buffer(row.before);
    KeyFlags flags = given.flags;
    int recolours = 0;
    markup::TagContext context{.tagCase = given.lower,
                               .keepSelected = given.keep,
                               .fullCellTag = given.fullCell,
                               .highlightingOn = false,
                               .flags = flags,
                               .recolourNearCaret = [&] { ++recolours; }};
    switch (row.command) {
        case Command::Pair:
            markup::InsertTagPair(editor, context, row.arg);
            break;
        case Command::Cased:
            markup::InsertCasedText(editor, context, row.arg);
            break;
        case Command::Raw:
            markup::InsertRawText(editor, context, row.arg);
            break;
        case Command::Entity:
            markup::InsertEntity(editor, context, row.arg);
            break;
        case Command::Comment:
            markup::InsertComment(editor, context);
            break;
        case Command::Cell:
            markup::InsertTableCell(editor, context);
            break;
        case Command::FontUp:
            markup::InsertFontSizeStep(editor, context, +1);
            break;
        case Command::FontDown:
            markup::InsertFontSizeStep(editor, context, -1);
            break;
    }
    EXPECT_EQ(marked::selection(editor), row.after);
    EXPECT_EQ(flags.endTagOnly, given.flagsAfter.endTagOnly);
    EXPECT_EQ(flags.suppressTagPair, given.flagsAfter.suppressTagPair);
    EXPECT_EQ(recolours, given.recolours);
}

using C = Command;
const Row kRows[] = {
    // The tag pair.
    {"BoldWrapsSelection", "one [two] three", C::Pair, "b", "one <b>two</b>| three"},
    {"NoSelectionWritesStartTagAlone", "ab|cd", C::Pair, "b", "ab<b>|cd"},
    {"UpperCaseHeading", "[word]", C::Pair, "h1", "<H1>word</H1>|", {.lower = false}},
    {"KeepSelected10Plus5Center",
     "0123456789[abcde]xyz",
     C::Pair,
     "center",
     "0123456789<center>[abcde]</center>xyz",
     {.keep = true}},
    {"KeepSelectedWithoutSelectionCaretAfterStartTag", "a|b", C::Pair, "p", "a<p>|b", {.keep = true}},
    {"MultiLineSelectionWrappedWhole", "x[a\r\nb]y", C::Pair, "p", "x<p>a\r\nb</p>|y"},
    {"KeepSelectedCountsBytesOfMultiByteText",
     "x[caf\xc3\xa9\r\nb]y",
     C::Pair,
     "b",
     "x<b>[caf\xc3\xa9\r\nb]</b>y",
     {.keep = true}},
    {"EndTagOnlyReplacesSelection", "a[sel]b", C::Pair, "b", "a</b>|b", {.flags = kEndOnly}},
    {"EndTagOnlyIgnoresKeepSelected", "a[sel]b", C::Pair, "i", "a</i>|b", {.keep = true, .flags = kEndOnly}},
    {"EndTagOnlyUpperCase", "a|", C::Pair, "center", "a</CENTER>|", {.lower = false, .flags = kEndOnly}},
    {"SuppressWritesNothing",
     "a[sel]b",
     C::Pair,
     "b",
     "a[sel]b",
     {.keep = true, .flags = kSuppress, .flagsAfter = kSuppress, .recolours = 0}},
    {"SuppressWinsOverEndTagOnly", "a|", C::Pair, "b", "a|", {.flags = kBoth, .flagsAfter = kBoth, .recolours = 0}},
    // End tags, custom stop texts and entities.
    {"CasedEndTagUpperKeepsSuppress",
     "a|",
     C::Cased,
     "</b>",
     "a</B>|",
     {.lower = false, .flags = kBoth, .flagsAfter = kSuppress}},
    {"CasedCommentEndHasNoLetters", "a[x]", C::Cased, " -->", "a -->|", {.lower = false}},
    {"RawTextAsTyped", "|", C::Raw, "</MyTag>", "</MyTag>|", {.flags = kEndOnly}},
    {"EntityReplacesSelectionKeepsFlags",
     "a[x]b",
     C::Entity,
     "&reg;",
     "a&reg;|b",
     {.flags = kEndOnly, .flagsAfter = kEndOnly, .recolours = 0}},
    // Comments: no case, no KeepSelected, no SuppressTagPair, no recolouring.
    {"CommentWithoutSelectionOpensOnly", "a|b", C::Comment, "", "a<!-- |b", {.recolours = 0}},
    {"CommentWrapsSelection",
     "[x]",
     C::Comment,
     "",
     "<!-- x -->|",
     {.lower = false, .keep = true, .flags = kSuppress, .flagsAfter = kSuppress, .recolours = 0}},
    {"CommentEndTagOnly", "a[x]", C::Comment, "", "a -->|", {.flags = kEndOnly, .recolours = 0}},
    // Table cell.
    {"PlainCellIsTagPair", "[w]", C::Cell, "", "<td>w</td>|"},
    {"PlainCellEndTagOnly", "[w]", C::Cell, "", "</td>|", {.flags = kEndOnly}},
    {"FullCellUpperCase",
     "[w]",
     C::Cell,
     "",
     R"(<TD WIDTH="" ALIGN="" VALIGN="" BGCOLOR="">w</TD>|)",
     {.lower = false, .fullCell = true}},
    {"FullCellIgnoresKeyFlags",
     "[w]",
     C::Cell,
     "",
     R"(<td width="" align="" valign="" bgcolor="">w</td>|)",
     {.fullCell = true, .flags = kBoth, .flagsAfter = kBoth}},
    {"FullCellWithoutSelection",
     "|",
     C::Cell,
     "",
     R"(<td width="" align="" valign="" bgcolor="">|)",
     {.fullCell = true}},
    {"FullCellKeepSelected",
     "a[w]",
     C::Cell,
     "",
     R"(a<td width="" align="" valign="" bgcolor="">[w]</td>)",
     {.keep = true, .fullCell = true}},
    // Font size steps.
    {"FontUpKeepSelected16Further", "ab[cd]", C::FontUp, "", R"(ab<font size="+1">[cd]</font>)", {.keep = true}},
    {"FontDownUpperCase", "[x]", C::FontDown, "", R"(<FONT SIZE="-1">x</FONT>|)", {.lower = false}},
    {"FontWithoutSelectionStartTagAlone", "|", C::FontUp, "", R"(<font size="+1">|)", {.keep = true}},
    {"FontEndTagOnlyLeavesFlagSet", "a[x]", C::FontUp, "", "a</font>|", {.flags = kEndOnly, .flagsAfter = kEndOnly}},
    {"FontIgnoresSuppress",
     "[x]",
     C::FontDown,
     "",
     R"(<font size="-1">x</font>|)",
     {.flags = kSuppress, .flagsAfter = kSuppress}},
};

INSTANTIATE_TEST_SUITE_P(Rows, TagEngine, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

TEST(TagEngineHighlighting, EntityIsColouredAndTextTypedAfterItIsNot)
{
    markup::TextBuffer editor = marked::buffer("<p>a|</p>");
    KeyFlags flags;
    markup::TagContext context{.highlightingOn = true, .flags = flags, .recolourNearCaret = {}};
    markup::InsertEntity(editor, context, "&copy;");
    editor.replaceSelection("x");
    EXPECT_EQ(marked::colours(editor), "<p>a{&copy;}x</p>");
    EXPECT_EQ(marked::selection(editor), "<p>a&copy;x|</p>");
}

// The key flags after a key press: which modifiers, and which key.
struct KeyRow {
    const char* name;
    KeyFlags before;
    int key;
    Qt::KeyboardModifiers modifiers;
    KeyFlags after;
};

std::ostream& operator<<(std::ostream& os, const KeyRow& row)
{
    return os << row.name;
}

class KeyFlagRules : public testing::TestWithParam<KeyRow> {};

TEST_P(KeyFlagRules, AfterPress)
{
    const KeyRow& row = GetParam();
    const KeyFlags after = markup::keyFlagsAfterPress(row.before, row.key, row.modifiers);
    EXPECT_EQ(after.endTagOnly, row.after.endTagOnly);
    EXPECT_EQ(after.suppressTagPair, row.after.suppressTagPair);
}

using Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier, Qt::ShiftModifier, Qt::NoModifier;
const KeyRow kKeyRows[] = {
    {"ShiftPressReportedWithoutShift", kNone, Qt::Key_Shift, NoModifier, kEndOnly},
    {"ShiftPressReportedWithShift", kNone, Qt::Key_Shift, ShiftModifier, kEndOnly},
    {"CapitalLetter", kSuppress, Qt::Key_A, ShiftModifier, kEndOnly},
    {"ShiftKeypadDigit", kNone, Qt::Key_5, ShiftModifier | Qt::KeypadModifier, kEndOnly},
    {"ShiftWhileCtrlHeld", kEndOnly, Qt::Key_Shift, ControlModifier, kSuppress},
    {"CtrlWhileShiftHeld", kEndOnly, Qt::Key_Control, ShiftModifier, kSuppress},
    {"CtrlShiftLetter", kNone, Qt::Key_Q, ShiftModifier | ControlModifier, kSuppress},
    {"ShiftThenAltArrivingAsMeta", kEndOnly, Qt::Key_Meta, ShiftModifier, kNone},
    {"ShiftThenAltArrivingAsMetaWithMetaBit", kEndOnly, Qt::Key_Meta, ShiftModifier | MetaModifier, kNone},
    {"ShiftThenAlt", kEndOnly, Qt::Key_Alt, ShiftModifier, kNone},
    {"ShiftMetaLetter", kEndOnly, Qt::Key_W, ShiftModifier | MetaModifier, kNone},
    {"AltWhileCtrlShiftHeld", kSuppress, Qt::Key_Alt, ShiftModifier | ControlModifier, kNone},
    {"CtrlShiftMetaLetter", kSuppress, Qt::Key_B, ShiftModifier | ControlModifier | MetaModifier, kNone},
    {"CtrlAlone", kEndOnly, Qt::Key_Control, NoModifier, kNone},
    {"AltShiftReportedAsAlt", kEndOnly, Qt::Key_Shift, AltModifier, kNone},
    {"PlainLetterEndsSuppress", kSuppress, Qt::Key_X, NoModifier, kNone},
};

INSTANTIATE_TEST_SUITE_P(Rows, KeyFlagRules, testing::ValuesIn(kKeyRows),
                         [](const testing::TestParamInfo<KeyRow>& row) { return std::string(row.param.name); });

TEST(KeyFlagRules, ReleaseEndsEndTagOnlyButNotSuppress)
{
    const KeyFlags after = markup::keyFlagsAfterRelease(kBoth);
    EXPECT_FALSE(after.endTagOnly);
    EXPECT_TRUE(after.suppressTagPair);
}

}  // namespace
