// The snippet commands through the main window: which snippet each command
// inserts, in the tag case and with the recolouring it asks for; the quick
// blocks from the settings; the update stamp; text from another file. The
// insertion rules are tested in tests/markup.

#include "markup/Snippets.h"
#include "markup/TagCase.h"
#include "support/MainWindowFixture.h"

namespace {

class Snippets : public MainWindowTest {
protected:
    void SetUp() override { start(); }
};

std::string cased(std::string_view literal, bool lower = true)
{
    return markup::toTagCase(literal, lower);
}

// Each command replaces the selection with its snippet in the tag case and
// recolours the line; the applet splits the line without recolouring; the
// list box is five snippets, each recoloured.
TEST_F(Snippets, EachCommandWritesItsSnippetInTheTagCase)
{
    using namespace markup::snippet;
    std::string listBox;
    for (const char* step : kListBox) listBox += cased(step);
    const std::tuple<const char*, bool, std::string, size_t> rows[] = {
        {"InsertHiddenClick", true, cased(kHidden), 1},
        {"InserFormClick", false, cased(kForm, false), 1},
        {"InsertAppletClick", true, cased(kApplet), 0},
        {"InsertDropDownClick", true, listBox, 5}};
    for (const auto& [command, lower, snippet, recolours] : rows) {
        SCOPED_TRACE(command);
        setOption(settings::user::kLowerCase, lower);
        window->recolours.clear();
        load("a[sel]b", 1, 5);
        run(command);
        EXPECT_EQ(text(), "a" + snippet + "b");
        EXPECT_EQ(window->recolours.size(), recolours);
        if (recolours == 1) {
            EXPECT_EQ(body().caretPosition(), markup::Pos(1 + snippet.size()));
            EXPECT_EQ(window->recolours[0], std::make_pair(1, 1));
        }
    }
}

// A block goes above the caret's line as stored, with the platform's line
// breaks (an empty one is a line break), the caret after it, its lines
// recoloured.
TEST_F(Snippets, QuickBlocksGoAboveTheCaretLineAsStored)
{
    load("one\r\ntwo three", 8);  // inside line 1
    run("InsertQuickTableClick");
    EXPECT_EQ(text(), "one\r\n" + settings::quick::kTable.def.toStdString() + "\r\ntwo three");
    EXPECT_EQ(body().caretPosition(), body().lineStart(6));
    EXPECT_EQ(window->recolours.back(), std::make_pair(6, 7));
    for (const auto& [stored, inserted] : {std::pair("<S>\n</S>", "<S>\r\n</S>\r\nx"), {"", "\r\nx"}}) {
        settings::SettingsStore().write(settings::quick::kStyle, QString::fromLatin1(stored));
        load("x");
        run("InsertQuickStyleClick");
        EXPECT_EQ(text(), inserted);
    }
}

// The stamp takes the stored pre-text, the trailer and the date format,
// without case change; hidden, it is a comment.
TEST_F(Snippets, TheUpdateStampIsWrittenFromItsSettings)
{
    setOption(settings::user::kLowerCase, false);
    setOption(settings::user::kCustom, "by <b>me</b>");
    settings::SettingsStore().write(settings::user::kTimeFormat, 7);  // no such format: an empty date
    settings::SettingsStore().write(settings::user::kPreCustom, QStringLiteral("Changed"));
    for (const bool visible : {true, false}) {
        setOption(settings::user::kShowUpdate, visible);
        load("ab", 1);
        run("UpdateStamp1Click");
        EXPECT_EQ(text(), visible ? "aChanged  by <b>me</b>b" : "a<!-- Changed  by <b>me</b> -->b");
    }
    EXPECT_TRUE(window->recolours.empty());
}

// The lines of a file go below the caret's line, read as documents are read; an
// empty file, a cancel or an unreadable file change nothing.
TEST_F(Snippets, TextFromFileIsReadAsDocumentsAreRead)
{
    const QString in = QDir::current().absoluteFilePath("in.txt"), empty = in + ".empty", missing = in + ".missing";
    faults::writeBytes(in, "first\ncaf\xe9\n");  // Windows-1252
    faults::writeBytes(empty, "");
    for (const QString& name : {in, empty, missing}) ui.fileName(name);
    load("top\r\nbottom", 1);
    for (int i = 0; i < 4; ++i) run("InsertTextFromFileClick");  // the fourth is cancelled
    EXPECT_EQ(text(), "top\r\nfirst\r\ncaf\xc3\xa9\r\nbottom");
    EXPECT_TRUE(window->recolours.empty());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Error);
    EXPECT_TRUE(ui.shown[0].text.startsWith("Cannot open \"" + missing + "\".\n"));
}

}  // namespace
