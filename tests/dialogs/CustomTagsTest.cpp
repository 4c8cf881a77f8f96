// Custom pairs and tag list entries on the headless editor, one row per case;
// the list file's lines, encodings and failures; the tag list window's place,
// always-on-top state and list editor. (The button editor: CustomCommandsTest.)
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "dialogs/CustomButtons.h"
#include "dialogs/MultiLineField.h"
#include "dialogs/TagList.h"
#include "dialogs/TfrmTags.h"
#include "settings/SettingsStore.h"
#include "support/FileFaults.h"
#include "support/Marked.h"
#include "support/ScriptedInteraction.h"

namespace {

using dialogs::CustomButton;
using settings::SettingsStore;
const QString kList = QStringLiteral("taglist.htx");  // tests run under another name than tagsmith

// The custom pair `start` .. "</Span>" over a text with its selection drawn
// in, written as stored whatever the tag case: the key flags in, KeepSelected
// and the text after.
TEST(CustomPair, PairsAndTagListEntriesAreWrittenAsStored)
{
    const char* const span = "<Span Id=A>";
    const std::tuple<const char*, const char*, markup::KeyFlags, bool, const char*> rows[] = {
        {span, "a[bc]d", {}, false, "a<Span Id=A>bc</Span>|d"},
        {span, "a[bc]d", {}, true, "a<Span Id=A>[bc]</Span>d"},
        {span, "ab|", {}, true, "ab<Span Id=A>|"},
        {span, "a[bc]d", {true, false}, true, "a<Span Id=A>|d"},        // Shift: the start tag alone
        {span, "[bc]", {false, true}, false, "<Span Id=A>bc</Span>|"},  // SuppressTagPair does not apply
        {"", "ab|", {}, false, "ab|"}};
    for (const auto& [start, before, in, keep, after] : rows) {
        markup::TextBuffer editor = marked::buffer(before);
        markup::KeyFlags flags = in;
        int recolours = 0;
        markup::TagContext context{
            .tagCase = false, .keepSelected = keep, .flags = flags, .recolourNearCaret = [&] { ++recolours; }};
        dialogs::InsertCustomPair(editor, context, {"x", start, "</Span>"});
        EXPECT_EQ(marked::selection(editor), after);
        EXPECT_FALSE(flags.endTagOnly) << after;
        EXPECT_EQ(flags.suppressTagPair, in.suppressTagPair) << after;
        EXPECT_EQ(recolours, 1) << after;
    }
    // A button's hint is its pair unless the caption is the design caption.
    SettingsStore store;
    const CustomButton one = dialogs::readCustomButton(store, 1);
    EXPECT_EQ(dialogs::customHint(1, one, "old"), "<Custom 1> .. </Custom 1>");
    const CustomButton design{"Custom #2", "<b>", "</b>"};
    EXPECT_EQ(dialogs::customHint(2, design, "old"), "old");
    EXPECT_EQ(dialogs::customHint(3, design, "old"), "<b> .. </b>");
    EXPECT_EQ(dialogs::customHint(2, {"custom #2", "", ""}, "old"), " .. ");
    // A tag list entry over a text with its selection drawn in: split after its
    // first ">", the selection between the parts; whether it asks for recolouring.
    const std::tuple<const char*, const char*, const char*, bool> entries[] = {
        {R"(<a href=""></a>)", "[home]", R"(<a href="">home|</a>)", true},
        {"<li></li>", "x|y", "x<li>|</li>y", true},
        {R"(<img src="">)", "|", R"(<img src="">|)", true},
        {"<nobr>", "[x]", "<nobr>x|", true},
        {"<b>a>b", "[x]", "<b>x|a>b", true},        // only the first splits
        {"<q>«»</q>", "[x]", "<q>x|«»</q>", true},  // the end part counted in bytes
        {"plain", "a[b]c", "aplain|c", false},
        {"", "a[bc]", "a|", false}};
    for (const auto& [entry, before, after, recolour] : entries) {
        markup::TextBuffer list = marked::buffer(before);
        EXPECT_EQ(dialogs::InsertTagListEntry(list, entry), recolour) << entry;
        EXPECT_EQ(marked::selection(list), after) << entry;
    }
    // The list's lines: split at any line break and joined back.
    // clang-format off
    const std::pair<const char*, QStringList> lists[] = {
        {"", {}}, {"a", {"a"}}, {"a\r\n", {"a"}}, {"a\nb", {"a", "b"}}, {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\n", {"a", ""}}, {"\r\n", {""}}, {"a\r\n\nb", {"a", "", "b"}},
    };
    // clang-format on
    for (const auto& [text, split] : lists) {
        EXPECT_EQ(dialogs::splitTagList(QString::fromLatin1(text)), split) << text;
        EXPECT_EQ(dialogs::splitTagList(QString::fromStdString(dialogs::joinTagList(split))), split) << text;
        EXPECT_EQ(dialogs::splitTagList(dialogs::tagListEditorText(split)), split) << text;
    }
}

TEST(TagListFile, KeepsItsEncodingAndLineBreaksUnlessAnEntryNeedsUtf8)
{
    struct Row {
        std::string bytes;
        QStringList entries;
        QString added;
        std::string written;
    } rows[] = {
        {"a\r\nb\r\n", {"a", "b"}, "c", "a\r\nb\r\nc\r\n"},
        {"a\nb", {"a", "b"}, "c", "a\nb\nc\n"},
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
    // A missing list is created with the defaults; failures leave a list in memory.
    QFile::remove(kList);
    QString message;
    EXPECT_EQ(dialogs::loadTagList(kList, {}, &message), dialogs::defaultTagList());
    EXPECT_EQ(message, "");
    EXPECT_EQ(faults::readBytes(kList), dialogs::joinTagList(dialogs::defaultTagList()));
    EXPECT_EQ(dialogs::loadTagList("gone/" + kList, {}, &message), dialogs::defaultTagList());
    EXPECT_TRUE(message.startsWith("Cannot save \"gone/" + kList)) << message.toStdString();
    QDir().mkdir("folder");
    EXPECT_EQ(dialogs::loadTagList("folder", {"kept"}, &message), QStringList{"kept"});
    EXPECT_TRUE(message.startsWith("Cannot open \"folder\"")) << message.toStdString();
}

class TagWindow : public testing::Test {
protected:
    TagWindow() { main.setGeometry(40, 60, 500, 400); }
    void open() { tags = new dialogs::TfrmTags(&main); }
    // Runs the list editor, which saves `entries`.
    void saveInEditor(const QStringList& entries, const char* label = "")
    {
        ui.onModal([=](QDialog& d) {
            if (*label) {
                EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), label);
            }
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

TEST_F(TagWindow, FirstOpeningStandsOnTopAtTheScreensEdgeTheSwitchHoldsAndTheListEditorSaves)
{
    open();
    EXPECT_EQ(tags->entries(), dialogs::defaultTagList());
    // At the screen's right edge, its frame (guessed before it is known) on it.
    const QRect screen = main.screen()->geometry(), frame = tags->frameGeometry();
    EXPECT_TRUE(screen.contains(frame));
    EXPECT_NEAR(frame.right(), screen.right(), 8);
    EXPECT_EQ(std::tuple(tags->y(), tags->size()), std::tuple(main.y(), QSize(120, main.height())));
    EXPECT_TRUE(tags->staysOnTop());
    tags->mnuTopClick();
    delete tags;
    open();
    EXPECT_FALSE(tags->staysOnTop());
    EXPECT_FALSE(tags->findChild<QAction*>("mnuTop")->isChecked());
    // The list editor takes more than 25 lines, and the list shows the file afterwards.
    QStringList lines;
    for (int i = 0; i < 30; ++i) lines << QStringLiteral("<t%1>").arg(i);
    faults::writeBytes(kList, dialogs::joinTagList(lines));
    open();
    saveInEditor(lines + QStringList{"", "end"}, "30 Lines");
    EXPECT_EQ(tags->entries(), lines + QStringList({"", "end"}));
    EXPECT_EQ(faults::readBytes(kList), dialogs::joinTagList(tags->entries()));
    // A list file that cannot be written is reported and the list keeps the edit.
    open();
    QFile::setPermissions(".", QFile::ReadOwner | QFile::ExeOwner);
    {
        faults::ObeyFilePermissions asUser;
        saveInEditor({"<new>"});
    }
    QFile::setPermissions(".", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(tags->entries(), QStringList{"<new>"});
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(ui.shown[0].text.startsWith("Cannot save")) << ui.shown[0].text.toStdString();
    EXPECT_EQ(faults::readBytes(kList), dialogs::joinTagList(lines + QStringList({"", "end"})));
}

}  // namespace
