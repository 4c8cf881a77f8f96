// The format, entity and highlighting commands run by name through the
// registry on a real `body`, with real key events for the key-state flags.
#include <gtest/gtest.h>

#include <QTest>

#include "app/BodyEditor.h"
#include "app/CommandModules.h"
#include "app/CommandRegistry.h"
#include "settings/SettingsStore.h"
#include "support/FakeEditorContext.h"
#include "support/Marked.h"

namespace {

using testing_support::FakeEditorContext;

class FormatCommands : public testing::Test {
protected:
    FormatCommands()
    {
        settings::Options& o = context.mutableOptions();
        o.tagCase = true;
        o.keepSelected = false;
        o.fullCellTag = false;
        app::registerFormatCommands(context, registry);
    }

    void load(std::string_view text, markup::Pos start, markup::Pos length) { context.load(text, start, length); }
    void run(const char* command) { ASSERT_TRUE(registry.run(command)) << command; }
    app::BodyEditor& body() { return context.editor(); }
    std::string colours() { return marked::colours(body()); }

    FakeEditorContext context;
    app::CommandRegistry& registry = context.registry;
};

// Every command of the Format, Special and hidden menus, on "a" + selected
// "w" + "b", in lower case without KeepSelected or FullCellTag.
struct Expected {
    const char* command;
    const char* text;
};
const Expected kCommands[] = {
    {"FormatPClick", "a<p>w</p>b"},
    {"FormatBoldClick", "a<b>w</b>b"},
    {"FormatItalicClick", "a<i>w</i>b"},
    {"formatUnderlineClick", "a<u>w</u>b"},
    {"FormatCenterClick", "a<center>w</center>b"},
    {"FormatRowClick", "a<tr>w</tr>b"},
    {"Heading11Click", "a<h1>w</h1>b"},
    {"Heading21Click", "a<h2>w</h2>b"},
    {"Heading31Click", "a<h3>w</h3>b"},
    {"Heading41Click", "a<h4>w</h4>b"},
    {"Heading51Click", "a<h5>w</h5>b"},
    {"Heading61Click", "a<h6>w</h6>b"},
    {"FormatOrderedListClick", "a<ol>w</ol>b"},
    {"UnorderedList1Click", "a<ul>w</ul>b"},
    {"FormatLineItemClick", "a<li>w</li>b"},
    {"FormatTextClick", "a<tt>w</tt>b"},
    {"PreformattedText1Click", "a<pre>w</pre>b"},
    {"Marquee1Click", "a<marquee>w</marquee>b"},
    {"SpecialBlinkClick", "a<blink>w</blink>b"},
    {"FormatCellClick", "a<td>w</td>b"},
    {"FormatCommentsClick", "a<!-- w -->b"},
    {"btnFontUpClick", "a<font size=\"+1\">w</font>b"},
    {"btnFontDownClick", "a<font size=\"-1\">w</font>b"},
    {"Paragraph1Click", "a</p>b"},
    {"Bold1Click", "a</b>b"},
    {"Italic1Click", "a</i>b"},
    {"Underline2Click", "a</u>b"},
    {"Center1Click", "a</center>b"},
    {"tablerow1Click", "a</tr>b"},
    {"h11Click", "a</h1>b"},
    {"h21Click", "a</h2>b"},
    {"h31Click", "a</h3>b"},
    {"h41Click", "a</h4>b"},
    {"h51Click", "a</h5>b"},
    {"h61Click", "a</h6>b"},
    {"orderedlist1Click", "a</ol>b"},
    {"unorderedlist2Click", "a</ul>b"},
    {"lineitem1Click", "a</li>b"},
    {"typedtext1Click", "a</tt>b"},
    {"preformatted1Click", "a</pre>b"},
    {"tablecell1Click", "a</td>b"},
    {"Comments1Click", "a -->b"},
    {"SpecialRegClick", "a&reg;b"},
    {"SpecialCopyClick", "a&copy;b"},
    {"OneFourth1Click", "a&frac14;b"},
    {"OneHalf1Click", "a&frac12;b"},
    {"ThreeFourths1Click", "a&frac34;b"},
    {"Micro1Click", "a&micro;b"},
    {"Degree1Click", "a&deg;b"},
    {"Cent1Click", "a&cent;b"},
    {"PoundSterling1Click", "a&pound;b"},
    {"Yen1Click", "a&yen;b"},
    {"Space1Click", "a&nbsp;b"},
};

TEST_F(FormatCommands, EachCommandWritesItsMarkupAndLeavesTheCaretAfterIt)
{
    for (const Expected& e : kCommands) {
        SCOPED_TRACE(e.command);
        load("awb", 1, 1);
        run(e.command);
        EXPECT_EQ(body().text(), e.text);
        EXPECT_EQ(body().selectionLength(), 0);
        EXPECT_EQ(body().caretPosition(), body().length() - 1);
        EXPECT_TRUE(body().isModified());
    }
    // The custom end-tag commands belong to the custom buttons.
    EXPECT_FALSE(registry.has("close11Click"));
}

TEST_F(FormatCommands, OptionsAreTakenAtEachCommand)
{
    load("awb", 1, 1);
    context.mutableOptions().tagCase = false;
    context.mutableOptions().keepSelected = true;
    context.mutableOptions().fullCellTag = true;
    run("FormatCellClick");
    EXPECT_EQ(body().text(), R"(a<TD WIDTH="" ALIGN="" VALIGN="" BGCOLOR="">w</TD>b)");
    EXPECT_EQ(body().selectedText(), "w");
    run("Bold1Click");
    EXPECT_EQ(body().text(), R"(a<TD WIDTH="" ALIGN="" VALIGN="" BGCOLOR=""></B></TD>b)");
}

TEST_F(FormatCommands, ShiftPressedInTheEditorMakesTheNextTagCommandWriteItsEndTagOnly)
{
    load("awb", 1, 1);
    QTest::keyPress(&body(), Qt::Key_Shift);  // as X11 reports it: no Shift bit yet
    EXPECT_TRUE(context.keyFlags().endTagOnly);
    run("FormatBoldClick");
    EXPECT_EQ(body().text(), "a</b>b");
    EXPECT_FALSE(context.keyFlags().endTagOnly);
    run("FormatItalicClick");
    EXPECT_EQ(body().text(), "a</b><i>b");
}

TEST_F(FormatCommands, ReleasingShiftEndsEndTagOnly)
{
    load("awb", 1, 1);
    QTest::keyPress(&body(), Qt::Key_Shift);
    QTest::keyRelease(&body(), Qt::Key_Shift, Qt::ShiftModifier);
    run("FormatBoldClick");
    EXPECT_EQ(body().text(), "a<b>w</b>b");
}

TEST_F(FormatCommands, CtrlShiftHeldBeforeATagCommandWritesNothingUntilTheNextKey)
{
    load("awb", 1, 1);
    QTest::keyPress(&body(), Qt::Key_Control);
    QTest::keyPress(&body(), Qt::Key_Shift, Qt::ControlModifier);
    QTest::keyRelease(&body(), Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyRelease(&body(), Qt::Key_Control, Qt::ControlModifier);
    run("FormatBoldClick");
    run("Heading11Click");
    EXPECT_EQ(body().text(), "awb");
    // End tags, comments and font sizes are not held back.
    run("Bold1Click");
    EXPECT_EQ(body().text(), "a</b>b");
    // Any other key press ends it.
    QTest::keyClick(&body(), Qt::Key_Left);
    body().setSelection(0, 1);
    run("FormatBoldClick");
    EXPECT_EQ(body().text(), "<b>a</b></b>b");
}

TEST_F(FormatCommands, ShiftThenAltArrivingAsMetaIsNotShiftAlone)
{
    load("awb", 1, 1);
    QTest::keyPress(&body(), Qt::Key_Shift);
    QTest::keyPress(&body(), Qt::Key_Meta, Qt::ShiftModifier);
    run("Marquee1Click");
    EXPECT_EQ(body().text(), "a<marquee>w</marquee>b");
}

TEST_F(FormatCommands, WithHighlightingTagsAreColouredAndTypedTextIsNot)
{
    context.setHighlightingOn(true);
    load("first line\r\nsay word", 16, 4);
    run("FormatBoldClick");
    QTest::keyClicks(&body(), "!x");
    EXPECT_EQ(colours(), "first line\r\nsay {<b>}word{</b>}!x");
    run("SpecialRegClick");
    QTest::keyClicks(&body(), "y");
    EXPECT_EQ(colours(), "first line\r\nsay {<b>}word{</b>}!x{&reg;}y");
    // Comments are not recoloured.
    run("FormatCommentsClick");
    EXPECT_EQ(colours(), "first line\r\nsay {<b>}word{</b>}!x{&reg;}y<!-- ");
}

TEST_F(FormatCommands, KeepSelectedSurvivesTheRecolouring)
{
    context.setHighlightingOn(true);
    context.mutableOptions().keepSelected = true;
    load("0123456789abcdexyz", 10, 5);
    run("FormatCenterClick");
    EXPECT_EQ(body().selectionStart(), 18);
    EXPECT_EQ(body().selectedText(), "abcde");
    EXPECT_EQ(colours(), "0123456789{<center>}abcde{</center>}xyz");
}

TEST_F(FormatCommands, SyntaxHighlightingToggleWritesAtOnceAndColoursWithWaitCaption)
{
    load("<p>x</p>\r\ntext", 12, 0);
    const QString title = context.window()->windowTitle();
    EXPECT_EQ(registry.checked("ViewColorizeClick"), false);

    run("ViewColorizeClick");
    EXPECT_TRUE(context.highlightingOn());
    EXPECT_EQ(registry.checked("ViewColorizeClick"), true);
    EXPECT_TRUE(settings::SettingsStore().ReadBool("user", "colorize", false));
    EXPECT_EQ(colours(), "{<p>}x{</p>}\r\ntext");
    EXPECT_EQ(body().caretPosition(), 0);
    EXPECT_FALSE(body().isModified());
    EXPECT_EQ(context.waitCaptions, QStringList{"Colorizing - Please wait..."});
    EXPECT_EQ(context.waitDepth, 0);
    EXPECT_EQ(context.window()->windowTitle(), title);

    body().setSelection(12, 0);
    run("ViewColorizeClick");
    EXPECT_FALSE(context.highlightingOn());
    EXPECT_EQ(registry.checked("ViewColorizeClick"), false);
    EXPECT_FALSE(settings::SettingsStore().ReadBool("user", "colorize", true));
    EXPECT_EQ(colours(), "<p>x</p>\r\ntext");
    EXPECT_EQ(body().caretPosition(), 0);
}

TEST_F(FormatCommands, RefreshColoursAnewAndKeepsTheCaretAndModifiedFlag)
{
    context.setHighlightingOn(true);
    load("<p>x</p>\r\ntext", 0, 0);
    body().setSelection(12, 0);
    body().replaceSelection("<i>");  // typed: not coloured until Refresh
    body().setSelection(11, 0);
    run("ViewRefreshClick");
    EXPECT_EQ(colours(), "{<p>}x{</p>}\r\nte{<i>}xt");
    EXPECT_EQ(body().caretPosition(), 11);
    EXPECT_TRUE(body().isModified());
    EXPECT_EQ(context.waitCaptions.size(), 1);

    context.setHighlightingOn(false);
    run("ViewRefreshClick");
    EXPECT_EQ(colours(), "<p>x</p>\r\nte<i>xt");
    EXPECT_EQ(body().caretPosition(), 11);
    EXPECT_EQ(context.waitCaptions.size(), 1);
}

TEST_F(FormatCommands, TagColourFollowsTheOptions)
{
    context.mutableOptions().tagColour = 0xFF0000;
    registry.optionsLoaded();
    EXPECT_EQ(body().tagColour(), 0xFF0000u);
}

}  // namespace
