// The text-tool commands through the command registry, on the real editing
// control: the frame of each pass (captions, caret, modified flag, undo) and
// the guard messages. The passes themselves are tested in tests/markup.

#include "commands/CommandModules.h"
#include "markup/Entities.h"
#include "markup/LineTools.h"
#include "support/FakeCommandContext.h"

namespace {

using interaction::Answer;

struct TextTools : testing::Test {
    TextTools() { commands::registerTextToolCommands(c, c.registry); }
    std::string text() { return c.body().text(); }

    testing_support::ScriptedInteraction ui;
    testing_support::FakeCommandContext c;
};

// A tag pass that changed the text cannot be undone (nor an undo before it
// redone) and marks the document
// modified, so that closing asks about it; the caret ends at the end of the
// first line and the document is coloured anew. One that changes nothing
// leaves it unmodified; a broken tag is warned about after the work done.
TEST_F(TextTools, TagPassesCannotBeUndoneButMarkTheDocumentModified)
{
    const std::tuple<const char*, const char*, const char*, int, const char*, size_t> rows[] = {
        {"ToolsConvertUpperClick", "<p>One</p>\r\n<a href=\"Page.Html\">Two</a>",
         "<P>One</P>\r\n<A HREF=\"Page.Html\">Two</A>", 10, "Converting Tags - Please wait...", 0},
        {"ToolsRemoveTagsClick", "<html><body>Text\r\nMore</body>", "Text\r\nMore", 4, "Removing Tags - Please wait...",
         0},
        {"ToolsRemoveTagsClick", "<b>x</b> <i y", "x <i y", 6, "Removing Tags - Please wait...", 1},
        {"ToolsConvertLowerClick", "plain > text", "plain > text", 0, "Converting Tags - Please wait...", 0}};
    for (const auto& [command, before, after, caret, caption, warnings] : rows) {
        SCOPED_TRACE(before);
        c.load(before, 3);
        c.body().replaceSelection("x");
        c.body().undo();  // something to redo, which the pass forgets too
        c.waitCaptions.clear();
        ui.shown.clear();
        const int colourings = c.documentColourings;
        c.run(command);
        EXPECT_EQ(text(), after);
        const bool changed = std::string_view(before) != after;
        if (changed && !warnings) {
            EXPECT_EQ(std::pair(c.body().caretPosition(), c.documentColourings),
                      std::pair(markup::Pos(caret), colourings + 1));
        }
        EXPECT_EQ(std::tuple(c.body().canUndo(), c.body().canRedo(), c.body().isModified(), c.waitDepth()),
                  std::tuple(false, false, changed, 0));
        EXPECT_EQ(c.waitCaptions, QStringList{caption});
        ASSERT_EQ(ui.shown.size(), warnings);
        if (warnings) {
            EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Warning);
        }
    }
}

// The entity passes convert every line, can be undone and put the caret back
// at its offset.
TEST_F(TextTools, EntityPassesCanBeUndone)
{
    const std::string special = "caf\xc3\xa9\r\n\r\n\xc2\xa9 <img alt=\"\xc3\x89t\xc3\xa9\">";
    c.load(special, 5);
    c.run("ToolsS2HClick");
    EXPECT_EQ(text(), markup::SpecialToHtml(special));
    EXPECT_EQ(c.body().caretPosition(), 5);
    EXPECT_TRUE(c.body().isModified() && c.body().canUndo());
    c.run("ToolsH2SClick");
    EXPECT_EQ(text(), special);
}

// Removing line breaks wants a selection and a Yes; list items want selected
// lines and take the tag case; neither can be undone.
TEST_F(TextTools, LineToolsWantSelectedLines)
{
    c.load("a\r\nb\r\nc\r\nd");
    c.run("ToolsRemoveReturnsClick");
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        c.body().setSelection(0, 7);  // "a\r\nb\r\nc"
        ui.answer(answer);
        c.run("ToolsRemoveReturnsClick");
    }
    EXPECT_EQ(text(), "a b c\r\nd");
    EXPECT_FALSE(c.body().canUndo());
    c.mutableOptions().tagCase = false;
    c.load("l0\r\nl1\r\nl2");
    c.run("ToolsListItemsClick");
    c.body().setSelection(0, c.body().lineStart(2));
    c.run("ToolsListItemsClick");
    EXPECT_EQ(text(), "<LI>l0</LI>\r\n<LI>l1</LI>\r\nl2");
    EXPECT_FALSE(c.body().canUndo());
    ASSERT_EQ(ui.shown.size(), 4u);  // no selection, the two questions, no lines selected
    EXPECT_EQ(ui.shown[1].kind, interaction::MessageKind::Question);
}

// Text to HTML asks, then wraps the whole text as one undoable edit, the
// caret at the end.
TEST_F(TextTools, TextToHtmlAsksFirst)
{
    c.load("plain");
    ui.answer(Answer::No);
    c.run("FormatText2HtmlClick");
    EXPECT_EQ(text(), "plain");
    ui.answer(Answer::Yes);
    c.run("FormatText2HtmlClick");
    EXPECT_EQ(text(), markup::textToHtml("plain", c.options().tagCase));
    EXPECT_EQ(c.body().caretPosition(), c.body().length());
    EXPECT_TRUE(c.body().canUndo());
}

}  // namespace
