// The snippet commands through the command registry, on the real editing
// control: cased literals, block templates, the update stamp and text from
// another file.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/CommandModules.h"
#include "markup/QuickSnippets.h"
#include "settings/SettingsStore.h"
#include "support/FakeEditorContext.h"
#include "support/ScriptedInteraction.h"

namespace {

// The stand-in main window with the snippet commands registered.
struct FakeContext : testing_support::FakeEditorContext {
    FakeContext() { app::registerSnippetCommands(*this, registry); }
};

struct CasedRow {
    const char* command;
    const char* lower;
    const char* upper;
};

class CasedSnippet : public testing::TestWithParam<CasedRow> {};

TEST_P(CasedSnippet, ReplacesTheSelectionWithTheWholeLiteralInTagCase)
{
    for (const bool lower : {true, false}) {
        FakeContext c;
        c.mutableOptions().tagCase = lower;
        c.load("a[sel]b", 1, 5);
        c.run(GetParam().command);
        const std::string literal = lower ? GetParam().lower : GetParam().upper;
        EXPECT_EQ(c.body().text(), "a" + literal + "b");
        EXPECT_EQ(c.body().caretPosition(), static_cast<markup::Pos>(1 + literal.size()));
        ASSERT_EQ(c.recolours.size(), 1u);
        EXPECT_EQ(c.recolours[0], std::make_pair(1, 1));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CasedSnippet,
    testing::Values(CasedRow{"InsertHiddenClick", "<input type=\"hidden\" name=\"\" value=\"\">",
                             "<INPUT TYPE=\"HIDDEN\" NAME=\"\" VALUE=\"\">"},
                    CasedRow{"InsertTextFieldClick", "<input name=\"\" size=\"\">", "<INPUT NAME=\"\" SIZE=\"\">"},
                    CasedRow{"InsertTextAreaClick",
                             "<textarea name=\"\" cols=\"40\" rows=\"5\" wrap=\"virtual\"></textarea>",
                             "<TEXTAREA NAME=\"\" COLS=\"40\" ROWS=\"5\" WRAP=\"VIRTUAL\"></TEXTAREA>"},
                    CasedRow{"InsertRadioClick", "<input type=\"radio\" name=\"\" value=\"\" checked>",
                             "<INPUT TYPE=\"RADIO\" NAME=\"\" VALUE=\"\" CHECKED>"},
                    CasedRow{"InsertCheckBoxClick", "<input type=\"checkbox\" name=\"\" value=\"\" checked>",
                             "<INPUT TYPE=\"CHECKBOX\" NAME=\"\" VALUE=\"\" CHECKED>"},
                    CasedRow{"InsertSubmitClick", "<input type=\"submit\" value=\"submit\">",
                             "<INPUT TYPE=\"SUBMIT\" VALUE=\"SUBMIT\">"},
                    CasedRow{"InsertClearClick", "<input type=\"reset\" value=\"clear\">",
                             "<INPUT TYPE=\"RESET\" VALUE=\"CLEAR\">"},
                    CasedRow{"Body1Click",
                             "<body background=\"\" bgcolor=\"\" text=\"\" link=\"\" vlink=\"\" alink=\"\">",
                             "<BODY BACKGROUND=\"\" BGCOLOR=\"\" TEXT=\"\" LINK=\"\" VLINK=\"\" ALINK=\"\">"},
                    CasedRow{"InsertBreakClick", "<br>", "<BR>"},
                    CasedRow{"InserFormClick", "<form method=\"\" action=\"\">\r\n\r\n</form>\r\n",
                             "<FORM METHOD=\"\" ACTION=\"\">\r\n\r\n</FORM>\r\n"}),
    [](const testing::TestParamInfo<CasedRow>& row) { return std::string(row.param.command); });

TEST(Applet, SplitsTheLineAtTheSelectionWithoutRecolouring)
{
    FakeContext c;
    c.mutableOptions().tagCase = false;
    c.load("left[x]right", 4, 3);
    c.run("InsertAppletClick");
    EXPECT_EQ(c.body().text(),
              "left\r\n<APPLET CODEBASE=\"\" CODE=\".CLASS\">\r\n<PARAM NAME=\"\" VALUE=\"\">\r\n"
              "<PARAM NAME=\"\" VALUE=\"\">\r\n</APPLET>\r\nright");
    EXPECT_TRUE(c.recolours.empty());
}

TEST(ListBox, FiveSnippetsEachRecoloured)
{
    FakeContext c;
    c.run("InsertDropDownClick");
    EXPECT_EQ(c.body().text(),
              "<select name=\"\"> \r\n  <option value=\"\" selected> \r\n  <option value=\"\"> \r\n"
              "  <option value=\"\"> \r\n</select> \r\n");
    EXPECT_EQ(c.recolours.size(), 5u);
}

TEST(QuickTable, DefaultGoesAboveTheCaretLineAndRecoloursAroundTheBlock)
{
    FakeContext c;
    c.load("one\r\ntwo three", 8);  // inside line 1
    c.run("InsertQuickTableClick");
    EXPECT_EQ(c.body().text(), std::string("one\r\n") + markup::kQuickTableDefault + "\r\ntwo three");
    EXPECT_EQ(c.body().lineFromPosition(c.body().caretPosition()), 6);
    EXPECT_EQ(c.body().caretPosition(), c.body().lineStart(6));
    ASSERT_EQ(c.recolours.size(), 1u);
    EXPECT_EQ(c.recolours[0], std::make_pair(6, 7));
}

TEST(QuickTable, StoredValueReplacesTheDefaultAndAnEmptyOneIsALineBreak)
{
    FakeContext c;
    {
        settings::SettingsStore store;
        store.WriteString("quick", "table", "<TABLE>\n</TABLE>");
    }
    c.load("x");
    c.run("InsertQuickTableClick");
    EXPECT_EQ(c.body().text(), "<TABLE>\r\n</TABLE>\r\nx");
    {
        settings::SettingsStore store;
        store.WriteString("quick", "table", "");
    }
    c.load("x");
    c.run("InsertQuickTableClick");
    EXPECT_EQ(c.body().text(), "\r\nx");
    EXPECT_EQ(c.recolours.back(), std::make_pair(2, 3));
}

TEST(QuickScriptAndStyle, UseTheirDefaults)
{
    FakeContext c;
    c.run("InsertQuickScriptClick");
    EXPECT_EQ(c.body().text(), std::string(markup::kQuickScriptDefault) + "\r\n");
    c.load("");
    c.run("InsertQuickStyleClick");
    EXPECT_EQ(c.body().text(), std::string(markup::kQuickStyleDefault) + "\r\n");
}

TEST(UpdateStamp, UnknownFormatsLeaveTwoSpacesInsideOneComment)
{
    FakeContext c;
    for (const int format : {0, 7}) {
        {
            settings::SettingsStore store;
            store.WriteInteger("user", "timeformat", format);
        }
        c.load("ab", 1);
        c.run("UpdateStamp1Click");
        EXPECT_EQ(c.body().text(),
                  "a<!-- This page was last updated on  using <a href=\"http://www.quillon.example/\">"
                  "Quillon Pro</a>. -->b")
            << format;
    }
    EXPECT_TRUE(c.recolours.empty());
}

TEST(UpdateStamp, VisibleWithStoredPreCustomAndNoCaseChange)
{
    FakeContext c;
    c.mutableOptions().showUpdate = true;
    c.mutableOptions().tagCase = false;
    c.mutableOptions().updateTrailer = "by <b>me</b>";
    {
        settings::SettingsStore store;
        store.WriteInteger("user", "timeformat", 99);
        store.WriteString("user", "precustom", "Changed");
    }
    c.run("UpdateStamp1Click");
    EXPECT_EQ(c.body().text(), "Changed  by <b>me</b>");
}

class TextFromFile : public testing::Test {
protected:
    QString write(const QByteArray& bytes)
    {
        const QString path = dir.filePath("in.txt");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
    testing_support::ScriptedInteraction ui;
    FakeContext c;
};

TEST_F(TextFromFile, LinesGoBelowTheCaretLineInFileOrder)
{
    ui.fileName(write("first\ncaf\xc3\xa9\n"));
    c.load("top\r\nbottom", 1);
    c.run("InsertTextFromFileClick");
    EXPECT_EQ(c.body().text(), "top\r\nfirst\r\ncaf\xc3\xa9\r\nbottom");
    EXPECT_EQ(ui.fileDialogTitles, QStringList{"Browse for File"});
    EXPECT_EQ(ui.lastFilters,
              (QStringList{"Text (*.html *.htm *.shtml *.txt *.map)", "Style Sheets (*.css)", "All files (*)"}));
    EXPECT_TRUE(c.recolours.empty());
}

TEST_F(TextFromFile, Windows1252FileIsReadAsTheEditorReadsDocuments)
{
    ui.fileName(write("caf\xe9"));
    c.load("x");
    c.run("InsertTextFromFileClick");
    EXPECT_EQ(c.body().text(), "x\r\ncaf\xc3\xa9");
}

TEST_F(TextFromFile, EmptyFileOrCancelChangesNothing)
{
    ui.fileName(write(""));
    c.load("x");
    c.run("InsertTextFromFileClick");
    c.run("InsertTextFromFileClick");  // cancelled: no file name scripted
    EXPECT_EQ(c.body().text(), "x");
    EXPECT_FALSE(c.body().isModified());
}

TEST_F(TextFromFile, UnreadableFileShowsTheSystemErrorAndChangesNothing)
{
    ui.fileName(dir.filePath("missing.txt"));
    c.load("x");
    c.run("InsertTextFromFileClick");
    EXPECT_EQ(c.body().text(), "x");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Error);
    EXPECT_FALSE(ui.shown[0].text.isEmpty());
}

}  // namespace
