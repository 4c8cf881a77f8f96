// The snippet commands through the command registry, on the real editing
// control: which snippet each command inserts, in the tag case and with the
// recolouring it asks for; the quick blocks from the settings; the update
// stamp; text from another file. The insertion rules are tested in tests/markup.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "commands/CommandModules.h"
#include "markup/Snippets.h"
#include "markup/TagCase.h"
#include "settings/SettingsStore.h"
#include "support/FakeCommandContext.h"
#include "support/ScriptedInteraction.h"

namespace {

// The stand-in main window with the snippet commands registered.
struct FakeContext : testing_support::FakeCommandContext {
    FakeContext() { commands::registerSnippetCommands(*this, registry); }
    std::string text() { return body().text(); }
};

// Each command replaces the selection with its snippet in the tag case and
// recolours the line.
TEST(CasedSnippets, ReplaceTheSelectionInTheTagCase)
{
    using namespace markup::snippet;
    const std::tuple<const char*, const char*, bool> rows[] = {{"InsertHiddenClick", kHidden, true},
                                                               {"InserFormClick", kForm, false}};
    for (const auto& [command, literal, lower] : rows) {
        FakeContext c;
        c.mutableOptions().tagCase = lower;
        c.load("a[sel]b", 1, 5);
        c.run(command);
        const std::string cased = markup::toTagCase(std::string_view(literal), lower);
        EXPECT_EQ(c.text(), "a" + cased + "b") << command;
        EXPECT_EQ(c.body().caretPosition(), static_cast<markup::Pos>(1 + cased.size())) << command;
        EXPECT_EQ(c.recolours, (std::vector<std::pair<int, int>>{{1, 1}})) << command;
    }
}

// The applet splits the line without recolouring; the list box is five
// snippets, each recoloured.
TEST(CasedSnippets, MultiStepSnippetsFollowTheirSteps)
{
    using namespace markup::snippet;
    FakeContext c;
    c.load("left[x]right", 4, 3);
    c.run("InsertAppletClick");
    EXPECT_EQ(c.text(), "left" + markup::toTagCase(std::string_view(kApplet), true) + "right");
    EXPECT_TRUE(c.recolours.empty());
    c.load("");
    c.run("InsertDropDownClick");
    std::string listBox;
    for (const char* step : kListBox) listBox += markup::toTagCase(std::string_view(step), true);
    EXPECT_EQ(c.text(), listBox);
    EXPECT_EQ(c.recolours.size(), 5u);
}

// A block goes above the caret's line as stored, with the platform's line
// breaks (an empty one is a line break), the caret after it, its lines
// recoloured.
TEST(QuickBlocks, GoAboveTheCaretLineAsStored)
{
    FakeContext c;
    c.load("one\r\ntwo three", 8);  // inside line 1
    c.run("InsertQuickTableClick");
    EXPECT_EQ(c.text(), "one\r\n" + settings::quick::kTable.def.toStdString() + "\r\ntwo three");
    EXPECT_EQ(c.body().caretPosition(), c.body().lineStart(6));
    EXPECT_EQ(c.recolours.back(), std::make_pair(6, 7));
    for (const auto& [stored, inserted] : {std::pair("<S>\n</S>", "<S>\r\n</S>\r\nx"), {"", "\r\nx"}}) {
        settings::SettingsStore().write(settings::quick::kStyle, QString::fromLatin1(stored));
        c.load("x");
        c.run("InsertQuickStyleClick");
        EXPECT_EQ(c.text(), inserted);
    }
}

// The stamp takes the stored pre-text, the trailer and the date format,
// without case change; hidden, it is a comment.
TEST(UpdateStamp, IsWrittenFromItsSettings)
{
    FakeContext c;
    c.mutableOptions().tagCase = false;
    c.mutableOptions().updateTrailer = "by <b>me</b>";
    {
        settings::SettingsStore store;
        store.write(settings::user::kTimeFormat, 7);  // no such format: an empty date
        store.write(settings::user::kPreCustom, QStringLiteral("Changed"));
    }
    for (const bool visible : {true, false}) {
        c.mutableOptions().showUpdate = visible;
        c.load("ab", 1);
        c.run("UpdateStamp1Click");
        EXPECT_EQ(c.text(), visible ? "aChanged  by <b>me</b>b" : "a<!-- Changed  by <b>me</b> -->b");
    }
    EXPECT_TRUE(c.recolours.empty());
}

// The lines of a file go below the caret's line, read as documents are read; an
// empty file, a cancel or an unreadable file change nothing.
TEST(TextFromFile, LinesGoBelowTheCaretLineReadAsDocumentsAreRead)
{
    testing_support::ScriptedInteraction ui;
    FakeContext c;
    const QString empty = QDir::current().absoluteFilePath("empty.txt"), missing = empty + ".missing";
    QFile(empty).open(QIODevice::WriteOnly);
    QFile file(QStringLiteral("in.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("first\ncaf\xe9\n");  // Windows-1252
    file.close();
    for (const QString& name : {QDir::current().absoluteFilePath(file.fileName()), empty, missing}) ui.fileName(name);
    c.load("top\r\nbottom", 1);
    for (int i = 0; i < 4; ++i) c.run("InsertTextFromFileClick");  // the fourth is cancelled
    EXPECT_EQ(c.text(), "top\r\nfirst\r\ncaf\xc3\xa9\r\nbottom");
    EXPECT_EQ(ui.fileDialogTitles.first(), "Browse for File");
    EXPECT_TRUE(c.recolours.empty());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Error);
    EXPECT_TRUE(ui.shown[0].text.startsWith("Cannot open \"" + missing + "\".\n"));
}

}  // namespace
