// The text-tool commands through the command registry, on the real editing
// control: the frame of each pass (captions, caret, modified flag, undo) and
// the guard messages. The passes themselves are tested in tests/markup.
#include <gtest/gtest.h>

#include "commands/CommandModules.h"
#include "markup/LineTools.h"
#include "support/FakeEditorContext.h"
#include "support/ScriptedInteraction.h"

namespace {

using interaction::Answer;

// The stand-in main window with the text-tool commands registered.
struct TextTools : testing::Test {
    TextTools() { app::registerTextToolCommands(c, c.registry); }
    std::string text() { return c.body().text(); }

    testing_support::ScriptedInteraction ui;
    testing_support::FakeEditorContext c;
};

// A pass that changed the text cannot be undone and marks the document
// modified, so that closing asks about it; the caret ends at the end of the
// first line.
TEST_F(TextTools, TagPassesCannotBeUndoneAndMarkTheDocumentModified)
{
    const std::tuple<const char*, const char*, const char*, int, const char*> rows[] = {
        {"ToolsConvertUpperClick", "<p>One</p>\r\n<a href=\"Page.Html\">Two</a>",
         "<P>One</P>\r\n<A HREF=\"Page.Html\">Two</A>", 10, "Converting Tags - Please wait..."},
        {"ToolsConvertLowerClick", "<B>x</B>", "<b>x</b>", 8, "Converting Tags - Please wait..."},
        {"ToolsRemoveTagsClick", "<html><body>Text\r\nMore</body>", "Text\r\nMore", 4,
         "Removing Tags - Please wait..."}};
    for (const auto& [command, before, after, caret, caption] : rows) {
        SCOPED_TRACE(command);
        c.load(before, 3);
        c.waitCaptions.clear();
        c.documentColourings = 0;
        c.run(command);
        EXPECT_EQ(text(), after);
        EXPECT_EQ(c.body().caretPosition(), caret);
        EXPECT_EQ(c.body().selectionLength(), 0);
        EXPECT_FALSE(c.body().canUndo());
        EXPECT_TRUE(c.body().isModified()) << "closing must ask about the converted text";
        EXPECT_EQ(c.waitCaptions, QStringList{caption});
        EXPECT_EQ(c.waitDepth, 0);
        EXPECT_EQ(c.documentColourings, 1);
    }
    // A document without tags is left alone, unmodified, without a message.
    c.load("plain > text\r\nline two");
    for (const char* command : {"ToolsConvertUpperClick", "ToolsRemoveTagsClick"}) c.run(command);
    EXPECT_EQ(text(), "plain > text\r\nline two");
    EXPECT_FALSE(c.body().isModified());
    EXPECT_TRUE(ui.shown.empty());
    // A broken tag: a warning, the work before it kept.
    c.load("<b>x</b> <i y");
    c.run("ToolsRemoveTagsClick");
    EXPECT_EQ(text(), "x <i y");
    EXPECT_EQ(ui.texts(), QStringList{"An error occurred, possibly due to a broken tag."});
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Warning);
    EXPECT_EQ(c.waitDepth, 0);
    // The entity passes convert every line and put the caret back at its offset.
    const std::string special = "caf\xc3\xa9\r\n\r\n\xc2\xa9 <img alt=\"\xc3\x89t\xc3\xa9\">";
    c.load(special, 5);
    c.run("ToolsS2HClick");
    EXPECT_EQ(text(), "caf&eacute;\r\n\r\n&copy; <img alt=\"&Eacute;t&eacute;\">");
    EXPECT_EQ(c.body().caretPosition(), 5);
    EXPECT_TRUE(c.body().isModified());
    EXPECT_TRUE(c.body().canUndo());
    c.run("ToolsH2SClick");
    EXPECT_EQ(text(), special);
}

// Removing line breaks wants a selection and a Yes; list items want selected
// lines and take the tag case.
TEST_F(TextTools, LineToolsWantASelectionAndRemoveReturnsAYes)
{
    c.load("a\r\nb\r\nc\r\nd", 0, 0);
    c.run("ToolsRemoveReturnsClick");
    EXPECT_EQ(ui.texts(), QStringList{"You must select an area of text from which you would like to remove "
                                      "line-feeds and carriage-returns."});
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Information);
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        c.body().setSelection(0, 7);  // "a\r\nb\r\nc"
        ui.answer(answer);
        c.run("ToolsRemoveReturnsClick");
        EXPECT_EQ(ui.texts().last(), "You cannot undo this later, continue?");
    }
    EXPECT_EQ(text(), "a b c\r\nd");
    EXPECT_EQ(c.body().caretPosition(), 0);
    EXPECT_FALSE(c.body().canUndo());
    EXPECT_TRUE(c.body().isModified());
    c.mutableOptions().tagCase = false;
    c.load("l0\r\nl1\r\nl2\r\nl3\r\nl4\r\nl5");
    c.run("ToolsListItemsClick");
    EXPECT_EQ(ui.texts().last(), "You do not have any lines selected.");
    c.body().setSelection(c.body().lineStart(2), c.body().lineStart(5) - c.body().lineStart(2));
    c.run("ToolsListItemsClick");
    EXPECT_EQ(text(), "l0\r\nl1\r\n<LI>l2</LI>\r\n<LI>l3</LI>\r\n<LI>l4</LI>\r\nl5");
    EXPECT_FALSE(c.body().canUndo());
    EXPECT_EQ(ui.shown.size(), 4u);
    // Text to HTML asks, then wraps the whole text with the caret at the end.
    c.load("plain");
    ui.answer(Answer::No);
    c.run("FormatText2HtmlClick");
    EXPECT_EQ(text(), "plain");
    EXPECT_EQ(ui.texts().last(),
              "This will select the entire body of text and add tags to the beginning and end "
              "to make it viewable as an HTML document using pre-formatted text, rather than "
              "just plain text.\n\nContinue?");
    ui.answer(Answer::Yes);
    c.run("FormatText2HtmlClick");
    EXPECT_EQ(text(), markup::TextToHtml("plain", c.options().tagCase));
    EXPECT_EQ(c.body().caretPosition(), c.body().length());
    EXPECT_TRUE(c.body().canUndo());
    EXPECT_TRUE(c.recolours.empty());
}

}  // namespace
