// The text-tool commands through the command registry, on the real editing
// control: the frame of each pass (captions, caret, modified flag, undo) and
// the guard messages.
#include <gtest/gtest.h>

#include <QAction>

#include "app/CommandModules.h"
#include "app/TextToolCommands.h"
#include "support/FakeEditorContext.h"
#include "support/ScriptedInteraction.h"

namespace {

using testing_support::ScriptedInteraction;

// The stand-in main window with the snippet and text-tool commands registered.
struct FakeContext : testing_support::FakeEditorContext {
    FakeContext()
    {
        app::registerSnippetCommands(*this, registry);
        app::registerTextToolCommands(*this, registry);
    }
};

TEST(TagPasses, UpperCaseEndsAtTheFirstLineEndWithoutUndoAndMarksTheDocumentModified)
{
    FakeContext c;
    c.load("<p>One</p>\r\n<a href=\"Page.Html\">Two</a>", 30);
    c.run("ToolsConvertUpperClick");
    EXPECT_EQ(c.body().text(), "<P>One</P>\r\n<A HREF=\"Page.Html\">Two</A>");
    EXPECT_EQ(c.body().caretPosition(), 10);
    EXPECT_EQ(c.body().selectionLength(), 0);
    EXPECT_FALSE(c.body().canUndo());
    EXPECT_TRUE(c.body().isModified()) << "closing must ask about the converted text";
    EXPECT_EQ(c.waitCaptions, QStringList{"Converting Tags - Please wait..."});
    EXPECT_EQ(c.waitDepth, 0);
    EXPECT_EQ(c.documentColourings, 1);
}

TEST(TagPasses, ModifiedDocumentStaysModified)
{
    FakeContext c;
    c.load("<B>x</B>");
    c.body().replaceSelection("y");
    c.run("ToolsConvertLowerClick");
    EXPECT_EQ(c.body().text(), "y<b>x</b>");
    EXPECT_TRUE(c.body().isModified());
    EXPECT_FALSE(c.body().canUndo());
}

TEST(TagPasses, RemovalOfTwoAdjacentTags)
{
    FakeContext c;
    c.load("<html><body>Text\r\nMore</body>");
    c.run("ToolsRemoveTagsClick");
    EXPECT_EQ(c.body().text(), "Text\r\nMore");
    EXPECT_EQ(c.body().caretPosition(), 4);
    EXPECT_EQ(c.waitCaptions, QStringList{"Removing Tags - Please wait..."});
}

TEST(TagPasses, BrokenTagWarnsAndKeepsTheWorkBeforeIt)
{
    ScriptedInteraction ui;
    FakeContext c;
    c.load("<b>x</b> <i y");
    c.run("ToolsRemoveTagsClick");
    EXPECT_EQ(c.body().text(), "x <i y");
    EXPECT_EQ(ui.texts(), QStringList{"An error occurred, possibly due to a broken tag."});
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Warning);
    EXPECT_EQ(c.waitDepth, 0);
}

TEST(TagPasses, DocumentWithoutTagsIsLeftAloneWithoutMessage)
{
    ScriptedInteraction ui;
    FakeContext c;
    c.load("plain > text\r\nline two");
    for (const char* command : {"ToolsConvertUpperClick", "ToolsRemoveTagsClick"}) {
        c.run(command);
        EXPECT_EQ(c.body().text(), "plain > text\r\nline two");
    }
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_FALSE(c.body().isModified());
}

TEST(EntityPasses, ConvertEveryLineAndPutTheCaretBackAtItsOffset)
{
    FakeContext c;
    c.load("caf\xc3\xa9\r\n\r\n\xc2\xa9 <img alt=\"\xc3\x89t\xc3\xa9\">", 5);
    c.run("ToolsS2HClick");
    EXPECT_EQ(c.body().text(), "caf&eacute;\r\n\r\n&copy; <img alt=\"&Eacute;t&eacute;\">");
    EXPECT_EQ(c.body().caretPosition(), 5);
    EXPECT_TRUE(c.body().isModified());
    EXPECT_TRUE(c.body().canUndo());
    c.run("ToolsH2SClick");
    EXPECT_EQ(c.body().text(), "caf\xc3\xa9\r\n\r\n\xc2\xa9 <img alt=\"\xc3\x89t\xc3\xa9\">");
}

TEST(EntityPasses, SubmenuCaptionsAreSetWhenItOpens)
{
    FakeContext c;
    auto* s2h = new QAction(QStringLiteral("&Special Characters To HTML"), c.window());
    s2h->setObjectName(QStringLiteral("ToolsS2H"));
    auto* h2s = new QAction(QStringLiteral("x"), c.window());
    h2s->setObjectName(QStringLiteral("ToolsH2S"));
    c.run("ToolsConvertClick");
    EXPECT_EQ(s2h->text(), QStringLiteral("&Special Characters to HTML"));
    EXPECT_EQ(h2s->text(), QStringLiteral("&HTML to Special Characters"));
    EXPECT_EQ(app::specialCaption(QStringLiteral("ToolsConvert")), QString());
}

TEST(RemoveReturns, AsksAndJoinsTheSelectedLines)
{
    ScriptedInteraction ui;
    FakeContext c;
    c.load("a\r\nb\r\nc\r\nd", 0, 0);
    c.run("ToolsRemoveReturnsClick");
    EXPECT_EQ(ui.texts(), QStringList{"You must select an area of text from which you would like to remove "
                                      "line-feeds and carriage-returns."});
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Information);

    c.body().setSelection(0, 7);  // "a\r\nb\r\nc"
    ui.answer(interaction::Answer::No);
    c.run("ToolsRemoveReturnsClick");
    EXPECT_EQ(c.body().text(), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(ui.texts().last(), "You cannot undo this later, continue?");

    c.body().setSelection(0, 7);
    ui.answer(interaction::Answer::Yes);
    c.run("ToolsRemoveReturnsClick");
    EXPECT_EQ(c.body().text(), "a b c\r\nd");
    EXPECT_EQ(c.body().caretPosition(), 0);
    EXPECT_EQ(c.body().selectionLength(), 0);
    EXPECT_FALSE(c.body().canUndo());
    EXPECT_TRUE(c.body().isModified());
}

TEST(ListItems, GuardThenLinesTwoToFourInUpperCase)
{
    ScriptedInteraction ui;
    FakeContext c;
    c.mutableOptions().tagCase = false;
    c.load("l0\r\nl1\r\nl2\r\nl3\r\nl4\r\nl5");
    c.run("ToolsListItemsClick");
    EXPECT_EQ(ui.texts(), QStringList{"You do not have any lines selected."});
    c.body().setSelection(c.body().lineStart(2), c.body().lineStart(5) - c.body().lineStart(2));
    c.run("ToolsListItemsClick");
    EXPECT_EQ(c.body().text(), "l0\r\nl1\r\n<LI>l2</LI>\r\n<LI>l3</LI>\r\n<LI>l4</LI>\r\nl5");
    EXPECT_FALSE(c.body().canUndo());
    EXPECT_EQ(ui.shown.size(), 1u);
}

TEST(TextToHtml, AsksThenWrapsTheWholeTextWithTheCaretAtTheEnd)
{
    ScriptedInteraction ui;
    FakeContext c;
    c.load("plain");
    ui.answer(interaction::Answer::No);
    c.run("FormatText2HtmlClick");
    EXPECT_EQ(c.body().text(), "plain");
    EXPECT_EQ(ui.texts(), QStringList{"This will select the entire body of text and add tags to the beginning and end "
                                      "to make it viewable as an HTML document using pre-formatted text, rather than "
                                      "just plain text.\n\nContinue?"});
    ui.answer(interaction::Answer::Yes);
    c.run("FormatText2HtmlClick");
    EXPECT_EQ(c.body().text(),
              "<html>\r\n<head><title></title></head>\r\n\r\n<body bgcolor=\"#ffffff\">\r\n\r\n<pre>\r\n\r\n"
              "plain\r\n</pre>\r\n\r\n</body>\r\n</html>\r\n");
    EXPECT_EQ(c.body().caretPosition(), c.body().length());
    EXPECT_TRUE(c.body().canUndo());
    EXPECT_TRUE(c.recolours.empty());
}

TEST(Registry, EveryCommandOfTheTablesHasAHandler)
{
    FakeContext c;
    for (const char* name : {"InsertQuickTableClick",   "InsertQuickScriptClick",
                             "InsertQuickStyleClick",   "InsertAppletClick",
                             "InserFormClick",          "InsertHiddenClick",
                             "InsertTextFieldClick",    "InsertTextAreaClick",
                             "InsertRadioClick",        "InsertCheckBoxClick",
                             "InsertDropDownClick",     "InsertSubmitClick",
                             "InsertClearClick",        "Body1Click",
                             "InsertBreakClick",        "UpdateStamp1Click",
                             "InsertTextFromFileClick", "ToolsConvertUpperClick",
                             "ToolsConvertLowerClick",  "ToolsRemoveTagsClick",
                             "ToolsS2HClick",           "ToolsH2SClick",
                             "ToolsConvertClick",       "ToolsRemoveReturnsClick",
                             "ToolsListItemsClick",     "FormatText2HtmlClick"})
        EXPECT_TRUE(c.registry.has(QString::fromLatin1(name))) << name;
}

}  // namespace

namespace {

// Scintilla moves its save point when the undo history is emptied; the
// control must keep the modified flag as the headless editor does.
TEST(BodyEditorUndo, EmptyingTheUndoHistoryKeepsTheModifiedFlag)
{
    app::BodyEditor body;
    body.loadText("abc");
    body.replaceSelection("x");
    body.emptyUndoBuffer();
    EXPECT_TRUE(body.isModified());
    EXPECT_FALSE(body.canUndo());
    body.setModified(false);
    body.emptyUndoBuffer();
    EXPECT_FALSE(body.isModified());
}

}  // namespace
