// Custom pairs and tag list entries on the headless editor, one row per case;
// the list file's lines, encodings and failures; the tag list window's list
// editor. (The button editor: CustomCommandsTest.)

#include "dialogs/CustomButtons.h"
#include "dialogs/MultiLineField.h"
#include "dialogs/TagList.h"
#include "dialogs/TfrmTags.h"
#include "settings/SettingsStore.h"
#include "support/Marked.h"

namespace {

using dialogs::CustomButton;
using settings::SettingsStore;
const QString kList = QStringLiteral("taglist.htx");  // tests run under another name than tagsmith

// The custom pair `start` .. "</Span>" over a text with its selection drawn
// in, written as stored whatever the tag case: the key flags in, KeepSelected
// and the text after.
TEST(CustomPair, IsWrittenAsStored)
{
    const char* const span = "<Span Id=A>";
    const std::tuple<const char*, const char*, markup::KeyFlags, bool, const char*> rows[] = {
        {span, "a[bc]d", {}, false, "a<Span Id=A>bc</Span>|d"},
        {span, "a[bc]d", {}, true, "a<Span Id=A>[bc]</Span>d"},
        {span, "a[bc]d", {true, false}, true, "a<Span Id=A>|d"},        // Shift: the start tag alone
        {span, "[bc]", {false, true}, false, "<Span Id=A>bc</Span>|"},  // SuppressTagPair does not apply
        {"", "ab|", {}, false, "ab|"}};
    for (const auto& [start, before, in, keep, after] : rows) {
        markup::TextBuffer editor = marked::buffer(before);
        markup::KeyFlags flags = in;
        markup::TagContext context{.tagCase = false, .KeepSelected = keep, .flags = flags, .RecolourNearCaret = [] {}};
        dialogs::InsertCustomPair(editor, context, {"x", start, "</Span>"});
        EXPECT_EQ(marked::selection(editor), after);
        EXPECT_EQ(std::pair(flags.EndTagOnly, flags.SuppressTagPair), std::pair(false, in.SuppressTagPair)) << after;
    }
}

// A button's hint is its pair unless the caption is the design caption.
TEST(CustomPair, TheHintShowsThePair)
{
    const CustomButton design{"Custom #2", "<b>", "</b>"};
    EXPECT_EQ(dialogs::customHint(1, dialogs::readCustomButton(SettingsStore(), 1), "old"),
              "<Custom 1> .. </Custom 1>");
    EXPECT_EQ(dialogs::customHint(2, design, "old"), "old");
    EXPECT_EQ(dialogs::customHint(3, design, "old"), "<b> .. </b>");
}

// A tag list entry over a text with its selection drawn in: split after its
// first ">", the selection between the parts; whether it asks for recolouring.
TEST(TagListEntry, SurroundsTheSelection)
{
    const std::tuple<const char*, const char*, const char*, bool> entries[] = {
        {R"(<a href=""></a>)", "[home]", R"(<a href="">home|</a>)", true},
        {R"(<img src="">)", "|", R"(<img src="">|)", true},
        {"<b>a>b", "[x]", "<b>x|a>b", true},        // only the first splits
        {"<q>«»</q>", "[x]", "<q>x|«»</q>", true},  // the end part counted in bytes
        {"plain", "a[b]c", "aplain|c", false},
        {"", "a[bc]", "a|", false}};
    for (const auto& [entry, before, after, recolour] : entries) {
        markup::TextBuffer list = marked::buffer(before);
        EXPECT_EQ(dialogs::insertTagListEntry(list, entry), recolour) << entry;
        EXPECT_EQ(marked::selection(list), after) << entry;
    }
}

// The list's lines: split at any line break, and joined back as written or
// as the editing field shows them.
TEST(TagListLines, SplitAtAnyLineBreak)
{
    const std::pair<const char*, QStringList> lists[] = {
        {"", {}}, {"a\rb\r", {"a", "b"}}, {"a\r\n\r\n", {"a", ""}}, {"a\r\n\nb", {"a", "", "b"}}};
    for (const auto& [text, split] : lists) {
        EXPECT_EQ(dialogs::splitTagList(QString::fromLatin1(text)), split) << text;
        EXPECT_EQ(dialogs::splitTagList(QString::fromStdString(dialogs::joinTagList(split))), split) << text;
        EXPECT_EQ(dialogs::splitTagList(dialogs::tagListEditorText(split)), split) << text;
    }
}

TEST(TagListFile, KeepsItsFormat)
{
    struct Row {
        std::string bytes;
        QStringList entries;
        QString added;
        std::string written;
    } rows[] = {
        {"a\r\nb\r\n", {"a", "b"}, "c", "a\r\nb\r\nc\r\n"},
        {"caf\xe9\r\n", {"café"}, "c", "caf\xe9\r\nc\r\n"},
        {"caf\xe9\n", {"café"}, "ā", "caf\xc3\xa9\n\xc4\x81\n"},
    };
    for (const Row& row : rows) {
        faults::writeBytes(kList, row.bytes);
        const dialogs::TagListRead read = dialogs::readTagList(kList);
        EXPECT_EQ(read.entries, row.entries) << row.bytes;
        EXPECT_EQ(dialogs::writeTagList(kList, read.entries + QStringList{row.added}, read.format), "");
        EXPECT_EQ(faults::readBytes(kList), row.written) << row.bytes;
    }
}

// A missing list is created with the defaults; a list that cannot be read or
// written is said, and the list stays in memory.
TEST(TagListFile, IsMadeWhenMissing)
{
    QFile::remove(kList);
    QString message;
    EXPECT_EQ(dialogs::loadTagList(kList, {}, &message), dialogs::defaultTagList());
    EXPECT_EQ(message, "");
    EXPECT_EQ(faults::readBytes(kList), dialogs::joinTagList(dialogs::defaultTagList()));
    EXPECT_EQ(dialogs::loadTagList("gone/" + kList, {}, &message), dialogs::defaultTagList());
    EXPECT_TRUE(message.startsWith("Cannot save \"gone/" + kList)) << message.toStdString();
}

class TagWindow : public testing::Test {
protected:
    TagWindow() { main.setGeometry(40, 60, 500, 400); }
    void open() { tags = new dialogs::TfrmTags(&main); }
    // Runs the list editor, which saves `entries`.
    void saveInEditor(const QStringList& entries)
    {
        ui.onModal([=](QDialog& d) {
            d.findChild<dialogs::MultiLineField*>()->setStoredText(entries.join("\r\n"));
            d.findChild<QPushButton*>("btnSave")->click();
            return d.result();
        });
        tags->ModifyTagList1Click();
    }
    testing_support::ScriptedInteraction ui;
    QWidget main;
    dialogs::TfrmTags* tags = nullptr;  // owned by main
};

// The list editor takes more than 25 lines; the list shows the file
// afterwards. A file that cannot be written is reported, the list keeping
// the edit.
TEST_F(TagWindow, TheListEditorSavesTheList)
{
    QStringList lines;
    for (int i = 0; i < 30; ++i) lines << QStringLiteral("<t%1>").arg(i);
    faults::writeBytes(kList, dialogs::joinTagList(lines));
    open();
    saveInEditor(lines + QStringList{"", "end"});
    EXPECT_EQ(tags->entries(), lines + QStringList({"", "end"}));
    EXPECT_EQ(faults::readBytes(kList), dialogs::joinTagList(tags->entries()));
    QFile::setPermissions(".", QFile::ReadOwner | QFile::ExeOwner);
    {
        faults::ObeyFilePermissions asUser;
        saveInEditor({"<new>"});
    }
    QFile::setPermissions(".", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(tags->entries(), QStringList{"<new>"});
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(ui.shown[0].text.startsWith("Cannot save")) << ui.shown[0].text.toStdString();
}

}  // namespace
