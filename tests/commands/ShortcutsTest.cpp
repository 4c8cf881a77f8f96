// The shortcuts and tag buttons through the real main window with real key and
// mouse events: every shortcut of the command table reaches its command rather
// than the editing control, the key state of `body` meets the formatting
// toolbar, and the tags a key writes are coloured where they stand.
#include <QToolButton>

#include "commands/KeySets.h"
#include "dialogs/FindDialog.h"
#include "support/MainWindowFixture.h"
#include "support/Marked.h"

namespace {

class Shortcuts : public ActiveWindowTest {
protected:
    void clickButton(const char* name, Qt::KeyboardModifiers held = {})
    {
        QTest::mouseClick(window->findChild<QToolButton*>(QString::fromLatin1(name)), Qt::LeftButton, held);
    }
};

// Every shortcut of the table in both key sets, those of entries never shown
// included; a Shift+Alt one also as Shift+Meta, the way X11 delivers Alt
// pressed after Shift. Keys the control once took for itself (Ctrl+D, Ctrl+L,
// Ctrl+T, Ctrl+U, Ctrl+Y) are among them. Menus show each entry's first key.
TEST_F(Shortcuts, EveryShortcutOfTheTableReachesItsCommand)
{
    for (const commands::KeySet set : {commands::KeySet::Classic, commands::KeySet::Desktop}) {
        window->commands().setKeySet(set);
        std::vector<std::pair<QKeyCombination, QString>> keys;
        for (const auto& [name, sequences] : commands::keyTable(commands::commandTable(), set)) {
            EXPECT_EQ(window->commands().action(name)->shortcut(), sequences.first()) << name.toStdString();
            for (const QKeySequence& sequence : sequences) {
                const QKeyCombination key = sequence[0];
                keys.emplace_back(key, QString::fromLatin1(commands::findEntry(name.toLatin1().constData())->command));
                if (key.keyboardModifiers() == (Qt::ShiftModifier | Qt::AltModifier))
                    keys.emplace_back(QKeyCombination(Qt::ShiftModifier | Qt::MetaModifier, key.key()),
                                      keys.back().second);
            }
        }
        EXPECT_GT(keys.size(), 120u);
        // Each handler records its name instead, so that no command changes the
        // window or opens a dialog meanwhile.
        std::vector<QString> ran;
        for (const auto& [key, command] : keys)
            window->registry().add(command, [&ran, c = command] { ran.push_back(c); });
        window->commands().connectHandlers();
        for (const auto& [key, command] : keys) {
            ran.clear();
            body().setFocus();
            QTest::keyClick(&body(), key.key(), key.keyboardModifiers());
            const std::string label = QKeySequence(key).toString().toStdString();
            EXPECT_EQ(ran, std::vector<QString>{command}) << label;
            EXPECT_EQ(text(), "") << label << " reached the editor";
        }
    }
}

TEST_F(Shortcuts, WorkAgainOnceTheFindDialogIsClosed)
{
    type(QStringLiteral("say word"));
    QTest::keyClick(&body(), Qt::Key_F, Qt::ControlModifier);
    auto* find = window->findChild<dialogs::FindDialog*>();
    ASSERT_TRUE(find && QTest::qWaitForWindowActive(find));
    QTest::keyClick(find, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
    QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text(), "say word</b>");
}

// With highlighting on, the tags a key writes are coloured, and the selection
// they wrap (KeepSelected is on by default) survives the recolouring.
TEST_F(Shortcuts, TagsWrittenByAKeyAreColouredAroundTheKeptSelection)
{
    window->setHighlightingOn(true);
    typeAndSelect(QStringLiteral("say word"), 4);
    QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(marked::colours(body()), "say {<b>}word{</b>}");
    EXPECT_EQ(body().selectedText(), "word");
}

// Shift pressed in the editor and held over a tag button writes the end tag
// (what each modifier held means: the key-flag table in tests/markup); the
// button leaves the keyboard in the editor.
TEST_F(Shortcuts, KeysHeldInTheEditorDecideWhatATagButtonWrites)
{
    typeAndSelect(QStringLiteral("say word"), 4);
    QTest::keyPress(&body(), Qt::Key_Shift);
    clickButton("btnBold", Qt::ShiftModifier);
    QTest::keyRelease(&body(), Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(text(), "say </b>");
    EXPECT_TRUE(body().hasFocus());
    clickButton("btnItalic");  // Shift released
    EXPECT_EQ(text(), "say </b><i>");
}

}  // namespace
