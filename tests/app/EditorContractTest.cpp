// One contract, two editors: the headless TextBuffer and the Scintilla control
// `body` must answer every operation of the editor port alike.
#include <gtest/gtest.h>

#include <QAccessible>

#include <chrono>
#include <memory>

#include "app/BodyEditor.h"
#include "markup/TextBuffer.h"

using markup::Pos;

namespace {

template <typename T>
std::unique_ptr<markup::TextEditor> makeEditor(const std::string& text);

template <>
std::unique_ptr<markup::TextEditor> makeEditor<markup::TextBuffer>(const std::string& text)
{
    return std::make_unique<markup::TextBuffer>(text);
}

template <>
std::unique_ptr<markup::TextEditor> makeEditor<app::BodyEditor>(const std::string& text)
{
    auto body = std::make_unique<app::BodyEditor>();
    body->loadText(text);
    return body;
}

template <typename T>
class EditorContract : public testing::Test {
protected:
    std::unique_ptr<markup::TextEditor> editor(const std::string& text = {}) { return makeEditor<T>(text); }
};

using Editors = testing::Types<markup::TextBuffer, app::BodyEditor>;
TYPED_TEST_SUITE(EditorContract, Editors);

TYPED_TEST(EditorContract, ReplaceSelectionPutsCaretAfterNewTextWithNothingSelected)
{
    auto e = this->editor("one two three");
    e->setSelection(4, 3);
    EXPECT_EQ(e->selectedText(), "two");
    e->replaceSelection("<b>two</b>");
    EXPECT_EQ(e->text(), "one <b>two</b> three");
    EXPECT_EQ(e->selectionStart(), 14);
    EXPECT_EQ(e->selectionLength(), 0);
    EXPECT_TRUE(e->isModified());
    e->setSelection(1, 0);  // nothing selected: inserted at the caret
    e->replaceSelection("<p>");
    EXPECT_EQ(e->text(), "o<p>ne <b>two</b> three");
    EXPECT_EQ(e->selectionStart(), 4);
}

TYPED_TEST(EditorContract, SelectionIsClippedAndNormalised)
{
    auto e = this->editor("abcdef");
    e->setSelection(4, 100);
    EXPECT_EQ(std::pair(e->selectionStart(), e->selectionLength()), (std::pair<Pos, Pos>(4, 2)));
    e->setSelection(4, -3);
    EXPECT_EQ(std::pair(e->selectionStart(), e->selectionLength()), (std::pair<Pos, Pos>(1, 3)));
}

TYPED_TEST(EditorContract, LineBreaksCountTwoAndLinesAreNumberedFromZero)
{
    auto e = this->editor("ab\r\ncd\r\n\r\nef");
    EXPECT_EQ(e->length(), 12);
    EXPECT_EQ(e->lineCount(), 4);
    // Past the last line: the end.
    for (auto [line, start] : {std::pair(0, 0), {1, 4}, {2, 8}, {3, 10}, {4, 12}, {99, 12}})
        EXPECT_EQ(e->lineStart(line), start) << line;
    // 3 lies between CR and LF.
    for (auto [pos, line] : {std::pair(0, 0), {3, 0}, {4, 1}, {12, 3}})
        EXPECT_EQ(e->lineFromPosition(pos), line) << pos;
    EXPECT_EQ(e->textRange(4, 2), "cd");
    auto empty = this->editor();
    EXPECT_EQ(empty->lineCount(), 1);
    EXPECT_EQ(empty->lineStart(1), 0);
    EXPECT_EQ(empty->text(), "");
    EXPECT_FALSE(empty->isModified());
}

TYPED_TEST(EditorContract, FindIgnoresCaseIncludingAccentedLetters)
{
    auto e = this->editor("Hello WORLD, caf\xc3\x89 and world");
    EXPECT_EQ(e->findText("world", 0, e->length()), 6);
    EXPECT_EQ(e->findText("world", 7, e->length()), 23);
    EXPECT_EQ(e->findText("world", 0, 10), -1);  // must end inside the range
    EXPECT_EQ(e->findText("CAF\xc3\xa9", 0, e->length()), 13);
    EXPECT_EQ(e->findText("missing", 0, e->length()), -1);
}

// Colouring never marks the text modified; inserted text takes the default.
TYPED_TEST(EditorContract, StylesApplyToRangesAndInsertedTextTakesTheDefault)
{
    auto e = this->editor("a<b>c");
    e->setStyles(1, std::string("\x01\x01\x01", 3));
    EXPECT_EQ(e->styleAt(0), markup::DefaultStyle);
    EXPECT_EQ(e->styleAt(1), markup::TagStyle);
    EXPECT_EQ(e->styleAt(3), markup::TagStyle);
    EXPECT_EQ(e->styleAt(4), markup::DefaultStyle);
    e->setStyle(0, 1, markup::TagStyle);
    EXPECT_EQ(e->styleAt(0), markup::TagStyle);
    EXPECT_FALSE(e->isModified());
    e->setSelection(4, 0);
    e->replaceSelection("xy");
    EXPECT_EQ(e->styleAt(4), markup::DefaultStyle);
    EXPECT_EQ(e->styleAt(3), markup::TagStyle);
    e->setModified(false);
    e->clearStyles();
    for (Pos i = 0; i < e->length(); ++i) EXPECT_EQ(e->styleAt(i), markup::DefaultStyle);
    EXPECT_FALSE(e->isModified());
}

TYPED_TEST(EditorContract, ReplaceAllReplacesTheWholeText)
{
    auto e = this->editor("old text");
    e->setSelection(2, 3);
    e->replaceAll("new\r\ntext");
    EXPECT_EQ(e->text(), "new\r\ntext");
    EXPECT_EQ(e->selectionStart(), 0);
    EXPECT_EQ(e->selectionLength(), 0);
    EXPECT_TRUE(e->isModified());
}

TYPED_TEST(EditorContract, NulBytesAndInvalidUtf8SurviveAsTheyAre)
{
    const std::string bytes("a\0b\xff\xfe<c>", 8);
    auto e = this->editor(bytes);
    EXPECT_EQ(e->text(), bytes);
    e->setSelection(1, 1);
    e->replaceSelection(std::string("\0\0", 2));
    EXPECT_EQ(e->text(), std::string("a\0\0b\xff\xfe<c>", 9));
}

// The control itself: an edit at the end of a large document must not cost
// time proportional to the document (QScintilla's accessibility support and
// modification events would make it so; the benchmarks measure the real cost).
// Deliberately loose so that a busy machine cannot fail it: a size-dependent
// edit is about 200 times slower here, the limit is 25 times.
TEST(BodyEditor, EditCostDoesNotGrowWithTheDocument)
{
    auto fastestRound = [](size_t bytes) {
        app::BodyEditor body;
        std::string text;
        const std::string line = "<p>text with caf\xc3\xa9 and <b>tags</b></p>\r\n";
        while (text.size() < bytes) text += line;
        body.loadText(text);
        body.setSelection(body.length(), 0);
        double best = 1e9;
        for (int round = 0; round < 3; ++round) {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < 100; ++i) body.replaceSelection("x");
            best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        return best;
    };
    const double small = fastestRound(100'000);
    const double large = fastestRound(20'000'000);
    EXPECT_LT(large, std::max(small * 25, 0.1)) << "small " << small << " s, large " << large << " s";
    app::BodyEditor body;
    EXPECT_FALSE(body.reportsModifications()) << "modification events are costly";
}

TEST(BodyEditor, MenuKeysAreNotBoundInTheControl)
{
    app::BodyEditor body;
    for (QKeyCombination key : {Qt::CTRL | Qt::Key_D, Qt::CTRL | Qt::Key_L, Qt::CTRL | Qt::Key_T, Qt::CTRL | Qt::Key_U,
                                Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_C})
        EXPECT_FALSE(body.bindsKey(key)) << QKeySequence(key).toString().toStdString();
    EXPECT_TRUE(body.bindsKey(QKeyCombination(Qt::Key_Left)));
    EXPECT_TRUE(body.bindsKey(Qt::SHIFT | Qt::Key_End));
}

}  // namespace

namespace {
// Screen readers get a plain editable-text interface, not QScintilla's, whose
// every caret move counts the characters from the start of the document.
TEST(BodyEditor, AccessibleInterfaceIsThePlainOne)
{
    app::BodyEditor body;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&body);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::EditableText);
    EXPECT_EQ(a->textInterface(), nullptr);
}
}  // namespace
