// One contract, two editors: the headless TextBuffer and the Scintilla control
// `body` must answer every operation of the editor port alike; and what only
// the control does: its key bindings, its accessibility, files through it.

#include <QAccessible>

#include "editor/BodyControl.h"
#include "markup/TextBuffer.h"
#include "storage/DocumentFile.h"

using markup::Pos;
using namespace std::string_literals;

namespace {

template <typename T>
class EditorContract : public testing::Test {
protected:
    std::unique_ptr<markup::TextEditor> editor(const std::string& text = {})
    {
        if constexpr (std::is_same_v<T, editor::BodyControl>) {
            auto body = std::make_unique<editor::BodyControl>();
            body->loadText(text);
            return body;
        } else {
            return std::make_unique<T>(text);
        }
    }
};

using Editors = testing::Types<markup::TextBuffer, editor::BodyControl>;
TYPED_TEST_SUITE(EditorContract, Editors);

// The caret goes after the new text, nothing selected; the whole text
// replaced in one step leaves the caret at the start.
TYPED_TEST(EditorContract, ReplacingLeavesTheCaretAfterTheNewText)
{
    auto e = this->editor("one two three");
    e->setSelection(4, 3);
    EXPECT_EQ(e->selectedText(), "two");
    e->replaceSelection("<b>two</b>");
    EXPECT_EQ(e->text(), "one <b>two</b> three");
    EXPECT_EQ(std::pair(e->selectionStart(), e->selectionLength()), (std::pair<Pos, Pos>(14, 0)));
    EXPECT_TRUE(e->isModified());
    e->setSelection(2, 3);
    e->replaceAll("new\r\ntext");
    EXPECT_EQ(e->text(), "new\r\ntext");
    EXPECT_EQ(std::pair(e->selectionStart(), e->selectionLength()), (std::pair<Pos, Pos>(0, 0)));
}

// Scintilla moves its save point when the undo history is emptied; the
// control must keep the modified flag as the headless editor does.
TYPED_TEST(EditorContract, EmptyingTheUndoHistoryKeepsTheModifiedFlag)
{
    auto e = this->editor("x");
    e->replaceSelection("y");
    for (const bool modified : {true, false}) {
        e->setModified(modified);
        e->emptyUndoBuffer();
        EXPECT_EQ(e->isModified(), modified);
    }
}

// A selection is clipped to the text and normalised.
TYPED_TEST(EditorContract, ASelectionIsClippedAndNormalised)
{
    auto s = this->editor("abcdef");
    s->setSelection(4, 100);
    EXPECT_EQ(std::pair(s->selectionStart(), s->selectionLength()), (std::pair<Pos, Pos>(4, 2)));
    s->setSelection(4, -3);
    EXPECT_EQ(std::pair(s->selectionStart(), s->selectionLength()), (std::pair<Pos, Pos>(1, 3)));
}

// Lines are numbered from zero; a CR LF counts two bytes; past the last line
// is the end.
TYPED_TEST(EditorContract, LineBreaksCountTwo)
{
    auto e = this->editor("ab\r\ncd\r\n\r\nef");
    EXPECT_EQ(std::pair(e->length(), e->lineCount()), std::pair(Pos(12), 4));
    for (auto [line, start] : {std::pair(0, 0), {1, 4}, {3, 10}, {4, 12}, {99, 12}})
        EXPECT_EQ(e->lineStart(line), start) << line;
    for (auto [pos, line] : {std::pair(3, 0), {4, 1}, {12, 3}}) EXPECT_EQ(e->lineFromPosition(pos), line) << pos;
    auto empty = this->editor();
    EXPECT_EQ(std::pair(empty->lineCount(), empty->lineStart(1)), std::pair(1, Pos(0)));
}

// A match must end inside the range; accented letters fold too.
TYPED_TEST(EditorContract, FindIgnoresCase)
{
    auto f = this->editor("Hello WORLD, caf\xc3\x89 and world");
    EXPECT_EQ(f->findText("world", 0, f->length()), 6);
    EXPECT_EQ(f->findText("world", 7, f->length()), 23);
    EXPECT_EQ(f->findText("world", 0, 10), -1);
    EXPECT_EQ(f->findText("CAF\xc3\xa9", 0, f->length()), 13);
}

// Colouring never marks the text modified; inserted text takes the default.
TYPED_TEST(EditorContract, StylesAreNoEdit)
{
    auto e = this->editor("a<b>c");
    e->setStyles(1, std::string("\x01\x01\x01", 3));
    EXPECT_EQ(std::tuple(e->styleAt(0), e->styleAt(1), e->styleAt(3), e->styleAt(4)),
              std::tuple(markup::DefaultStyle, markup::TagStyle, markup::TagStyle, markup::DefaultStyle));
    EXPECT_FALSE(e->isModified());
    e->setSelection(4, 0);
    e->replaceSelection("xy");
    EXPECT_EQ(std::pair(e->styleAt(3), e->styleAt(4)), std::pair(markup::TagStyle, markup::DefaultStyle));
    e->setModified(false);
    e->clearStyles();
    for (Pos i = 0; i < e->length(); ++i) EXPECT_EQ(e->styleAt(i), markup::DefaultStyle);
    EXPECT_FALSE(e->isModified());
}

// NUL bytes and invalid UTF-8 survive as they are.
TYPED_TEST(EditorContract, AnyBytesSurvive)
{
    auto raw = this->editor(std::string("a\0b\xff\xfe<c>", 8));
    raw->setSelection(1, 1);
    raw->replaceSelection(std::string("\0\0", 2));
    EXPECT_EQ(raw->text(), std::string("a\0\0b\xff\xfe<c>", 9));
}

// The control leaves the menu keys to the menus. Screen readers get a plain
// editable-text interface, not QScintilla's, whose every caret move counts the
// characters from the start of the document; nor does the control ask for
// modification events. Either made a keystroke at the end of a large document
// cost time in proportion to it (bench/EditingBench).
TEST(BodyControl, LeavesMenuKeysToTheMenus)
{
    editor::BodyControl body;
    for (QKeyCombination key : {Qt::CTRL | Qt::Key_D, Qt::CTRL | Qt::Key_L, Qt::CTRL | Qt::Key_T, Qt::CTRL | Qt::Key_U,
                                Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_C})
        EXPECT_FALSE(body.bindsKey(key)) << QKeySequence(key).toString().toStdString();
    EXPECT_TRUE(body.bindsKey(QKeyCombination(Qt::Key_Left)));
    EXPECT_TRUE(body.bindsKey(Qt::SHIFT | Qt::Key_End));
}

TEST(BodyControl, AsksForNoCostlyEvents)
{
    editor::BodyControl body;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&body);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::EditableText);
    EXPECT_EQ(a->textInterface(), nullptr);
    EXPECT_FALSE(body.reportsModifications());
}

// A file opened, shown in the control and saved unedited is byte-identical.
TEST(BodyControl, FilesRoundTripByteForByteThroughTheControl)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.html"));
    std::string everyByte;
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
    for (const std::string& bytes :
         {"<p>caf\xC3\xA9</p>\r\n<p>\xE2\x82\xAC</p>\r\n"s, "<p>x</p>\n<p>y</p>\n"s, "a\r\nb\nc\rd"s, "a\rb\rc"s,
          "caf\xE9 \x80\x81\x8D\x8F\x90\x9D\n"s, "a\0b\r\n\0"s, "\xC3\x28\xE2\x82 \xF5\xFF\n"s, everyByte, ""s}) {
        SCOPED_TRACE(testing::PrintToString(bytes.substr(0, 20)));
        faults::writeBytes(file, bytes);
        storage::LoadedDocument doc;
        QString error;
        ASSERT_TRUE(storage::loadDocumentFile(file, &doc, &error)) << error.toStdString();
        editor::BodyControl body;
        body.loadText(doc.text);
        ASSERT_TRUE(storage::saveDocumentFile(file, body.text(), doc.format, &error)) << error.toStdString();
        EXPECT_TRUE(faults::readBytes(file) == bytes);
        EXPECT_EQ(faults::entries(dir.path()), QStringList{QStringLiteral("page.html")});
    }
}

}  // namespace
