// The tag commands through the real main window with real key and mouse
// events: the menu shortcuts, the key-state flags of `body` meeting the
// formatting toolbar, and every shortcut of the command table reaching its
// command rather than the editing control.
#include <QApplication>
#include <QClipboard>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "app/CommandTable.h"
#include "dialogs/FindDialog.h"

namespace {

class MainWindowKeys : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        activate();
    }
    app::BodyEditor& body() { return window->editor(); }
    // Types `words` and selects the last `selected` characters with Shift+Left.
    void typeAndSelect(const QString& words, int selected)
    {
        type(words);
        for (int i = 0; i < selected; ++i) QTest::keyClick(&body(), Qt::Key_Left, Qt::ShiftModifier);
    }
    void clickButton(const char* name, Qt::KeyboardModifiers held = {})
    {
        auto* button = window->findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton, held);
    }
};

TEST_F(MainWindowKeys, CtrlBWrapsTheSelectionAndCtrlShiftBWritesTheEndTag)
{
    typeAndSelect(QStringLiteral("say word"), 4);
    ASSERT_EQ(body().selectedText(), "word");
    QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(text(), "say <b>word</b>");
    EXPECT_EQ(body().selectedText(), "word");  // KeepSelected is on by default
    EXPECT_TRUE(body().hasFocus());
    QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text(), "say <b></b></b>");
}

TEST_F(MainWindowKeys, ShiftPressedInTheEditorThenTheBoldButtonWritesTheEndTagAlone)
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
}

// On X11, Alt pressed after Shift arrives as Meta: Shift+Alt+W is still the
// tag pair, not its end tag alone.
TEST_F(MainWindowKeys, ShiftAltArrivingAsShiftMetaWritesTheTagPair)
{
    typeAndSelect(QStringLiteral("say word"), 4);
    QTest::keyClick(&body(), Qt::Key_W, Qt::ShiftModifier | Qt::MetaModifier);
    EXPECT_EQ(text(), "say <marquee>word</marquee>");
}

TEST_F(MainWindowKeys, CtrlShiftHeldBeforeATagButtonClickWritesNothing)
{
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

// One key combination of the table, and the command it must reach.
struct KeyPress {
    QKeyCombination key;
    QString command;
    std::string label;
};

// Every shortcut of the table, those of entries never shown included; a
// Shift+Alt one also as Shift+Meta, the way X11 delivers Alt pressed after Shift.
std::vector<KeyPress> tableKeys()
{
    std::vector<KeyPress> keys;
    for (const app::CommandEntry& e : app::commandTable()) {
        const QString command = QString::fromLatin1(e.command);
        if (!*e.shortcut || (e.flags & app::kMenu)) continue;
        const QKeyCombination key =
            QKeySequence::fromString(QString::fromLatin1(e.shortcut), QKeySequence::PortableText)[0];
        keys.push_back({key, command, std::string(e.name) + " " + e.shortcut});
        const Qt::KeyboardModifiers mods = key.keyboardModifiers();
        if (mods == (Qt::ShiftModifier | Qt::AltModifier))
            keys.push_back({QKeyCombination(Qt::ShiftModifier | Qt::MetaModifier, key.key()), command,
                            std::string(e.name) + " Shift+Meta"});
    }
    return keys;
}

// Keys the editing control once took for itself (Ctrl+D, Ctrl+L, Ctrl+T,
// Ctrl+U, Ctrl+Y) are among them.
TEST_F(MainWindowKeys, EveryShortcutOfTheTableReachesItsCommand)
{
    // Each handler is replaced by one that records its name, so that no
    // command changes the window or opens a dialog meanwhile; commands still
    // to be built get one too.
    std::vector<QString> ran;
    const std::vector<KeyPress> keys = tableKeys();
    for (const KeyPress& k : keys) window->registry().add(k.command, [&ran, c = k.command] { ran.push_back(c); });
    window->commands().connectHandlers();
    EXPECT_GT(keys.size(), 120u);
    for (const KeyPress& k : keys) {
        ran.clear();
        body().loadText({});
        body().setFocus();
        QTest::keyClick(&body(), k.key.key(), k.key.keyboardModifiers());
        EXPECT_EQ(ran, std::vector<QString>{k.command}) << k.label;
        EXPECT_EQ(text(), "") << k.label << " reached the editor";
    }
}

TEST_F(MainWindowKeys, HiddenClipboardKeysCutAndPaste)
{
    type(QStringLiteral("hello"));
    body().setSelection(0, 5);
    QTest::keyClick(&body(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("hello"));
    QTest::keyClick(&body(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(text(), "hello");
}

}  // namespace
