// The tag commands through the real main window with real key and mouse
// events: the menu shortcuts, the key-state flags of `body` meeting the
// formatting toolbar, and every shortcut of the command table reaching its
// command rather than the editing control.
#include <QApplication>
#include <QToolButton>

#include "commands/CommandTable.h"
#include "dialogs/FindDialog.h"
#include "support/MainWindowFixture.h"
#include "support/Marked.h"

namespace {

class MainWindowKeys : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        activate();
    }
    void clickButton(const char* name, Qt::KeyboardModifiers held = {})
    {
        auto* button = window->findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton, held);
    }
};

// On X11, Alt pressed after Shift arrives as Meta: Shift+Alt+W is still the
// tag pair, not its end tag alone. The tags are coloured, and the selection
// (KeepSelected is on by default) survives the recolouring.
TEST_F(MainWindowKeys, TagKeysWrapTheSelectionAndWithShiftWriteTheEndTag)
{
    window->setHighlightingOn(true);
    typeAndSelect(QStringLiteral("say word"), 4);
    ASSERT_EQ(body().selectedText(), "word");
    QTest::keyClick(&body(), Qt::Key_W, Qt::ShiftModifier | Qt::MetaModifier);
    QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(marked::colours(body()), "say {<marquee><b>}word{</b></marquee>}");
    EXPECT_EQ(body().selectedText(), "word");
    EXPECT_TRUE(body().hasFocus());
    QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text(), "say <marquee><b></b></b></marquee>");
}

TEST_F(MainWindowKeys, ShiftOrCtrlShiftPressedInTheEditorThenATagButton)
{
    typeAndSelect(QStringLiteral("say word"), 4);
    QTest::keyPress(&body(), Qt::Key_Shift);
    clickButton("btnBold", Qt::ShiftModifier);
    QTest::keyRelease(&body(), Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(text(), "say </b>");
    // The button left the keyboard in the editor, and Shift is no longer held.
    EXPECT_TRUE(body().hasFocus());
    clickButton("btnBold");
    EXPECT_EQ(text(), "say </b><b>");
    // Ctrl and Shift held before a tag button click: nothing is written.
    body().loadText({});
    typeAndSelect(QStringLiteral("say word"), 4);
    QTest::keyPress(&body(), Qt::Key_Control);
    QTest::keyPress(&body(), Qt::Key_Shift, Qt::ControlModifier);
    clickButton("btnBold", Qt::ControlModifier | Qt::ShiftModifier);
    clickButton("btnH1", Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyRelease(&body(), Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyRelease(&body(), Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(text(), "say word");
    EXPECT_EQ(body().selectedText(), "word");
    // The next key press in the editor ends it.
    QTest::keyClick(&body(), Qt::Key_Shift);
    clickButton("btnItalic");
    EXPECT_EQ(text(), "say <i>word</i>");
}

TEST_F(MainWindowKeys, ShortcutsWorkAgainOnceTheFindDialogIsClosed)
{
    type(QStringLiteral("say word"));
    QTest::keyClick(&body(), Qt::Key_F, Qt::ControlModifier);
    auto* find = window->findChild<dialogs::FindDialog*>();
    ASSERT_NE(find, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(find));
    QTest::keyClick(find, Qt::Key_Escape);
    ASSERT_FALSE(find->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
    QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text(), "say word</b>");
}

// Every shortcut of the table, those of entries never shown included, reaches
// its command rather than the editing control; a Shift+Alt one also as
// Shift+Meta, the way X11 delivers Alt pressed after Shift. Keys the control
// once took for itself (Ctrl+D, Ctrl+L, Ctrl+T, Ctrl+U, Ctrl+Y) are among them.
TEST_F(MainWindowKeys, EveryShortcutOfTheTableReachesItsCommand)
{
    std::vector<std::pair<QKeyCombination, QString>> keys;
    for (const app::CommandEntry& e : app::commandTable()) {
        if (!*e.shortcut || (e.flags & app::kMenu)) continue;
        const QKeyCombination key = QKeySequence::fromString(QString::fromLatin1(e.shortcut))[0];
        const QString command = QString::fromLatin1(e.command);
        keys.emplace_back(key, command);
        if (key.keyboardModifiers() == (Qt::ShiftModifier | Qt::AltModifier))
            keys.emplace_back(QKeyCombination(Qt::ShiftModifier | Qt::MetaModifier, key.key()), command);
    }
    EXPECT_GT(keys.size(), 120u);
    // Each handler is replaced by one that records its name, so that no
    // command changes the window or opens a dialog meanwhile; commands still
    // to be built get one too.
    std::vector<QString> ran;
    for (const auto& [key, command] : keys) window->registry().add(command, [&ran, c = command] { ran.push_back(c); });
    window->commands().connectHandlers();
    for (const auto& [key, command] : keys) {
        ran.clear();
        body().loadText({});
        body().setFocus();
        QTest::keyClick(&body(), key.key(), key.keyboardModifiers());
        const std::string label = QKeySequence(key).toString().toStdString();
        EXPECT_EQ(ran, std::vector<QString>{command}) << label;
        EXPECT_EQ(text(), "") << label << " reached the editor";
    }
}

}  // namespace
