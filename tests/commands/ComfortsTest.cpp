// The editor's comforts in the real main window, keys and all: Redo, the "</"
// completion, the tag-pair marks, Go to Matching Tag, Select Element and zoom.
// Which tags pair up is tested in tests/markup; the line numbers' toggle in
// tests/app (LayoutTest).
#include "markup/TagPairs.h"
#include "support/MainWindowFixture.h"

namespace {

class Comforts : public ActiveWindowTest {
protected:
    void key(Qt::Key k, Qt::KeyboardModifiers held = Qt::ControlModifier | Qt::ShiftModifier)
    {
        QTest::keyClick(&body(), k, held);
    }
};

// "</" writes the end tag as an undo step of its own; Redo puts back what Undo
// took; the pair under the caret is marked; the two tag commands move the
// caret and widen the selection; zoom leaves the editor font alone; with its option off, "</" stays as typed;
// typing the end tag after its completion gives it once.
TEST_F(Comforts, KeysOfTheNewCommands)
{
    type(QStringLiteral("<ul><li>one</li>"));  // the written part typed through, as if not written
    EXPECT_EQ(text(), "<ul><li>one</li>");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), "<ul><li>one</");
    key(Qt::Key_Z);
    EXPECT_EQ(text(), "<ul><li>one</li>");
    const auto pair = markup::findTagPair(text(), body().caretPosition());
    ASSERT_TRUE(pair && pair->partner);
    const std::vector<markup::Span> both{*pair->partner, pair->tag};
    EXPECT_TRUE(QTest::qWaitFor([&] { return body().markedTags() == both; }));
    key(Qt::Key_M);
    EXPECT_EQ(body().caretPosition(), pair->partner->start);
    key(Qt::Key_E);
    EXPECT_EQ(body().selectedText(), "<li>one</li>");
    key(Qt::Key_E);
    EXPECT_EQ(body().selectedText(), text());

    const QFont font = body().editorFont();
    key(Qt::Key_Equal, Qt::ControlModifier);
    key(Qt::Key_Equal, Qt::ControlModifier);
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(body().zoom(), 1);
    key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(std::pair(body().zoom(), body().editorFont()), std::pair(0, font));

    settings::SettingsStore().write(settings::user::kCloseTags, false);
    window->LoadOptions();
    type(QStringLiteral("<p></"));  // in place of the selection
    EXPECT_EQ(text(), "<p></");

    settings::SettingsStore().write(settings::user::kCloseTags, true);
    window->LoadOptions();
    body().replaceAll("");
    type(QStringLiteral("<p>a</b>"));  // a key other than the written one is typed, and ends it
    EXPECT_EQ(text(), "<p>a</p>b>");
}

}  // namespace
