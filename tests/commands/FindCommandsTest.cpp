// Find, Find Next (F3), Replace and Go to line as the author uses them: the
// commands run by name in the main window, the dialogs driven with
// key presses, the messages read back from the scripted interaction. (Where
// each search lands: tests/markup.)
#include <QProgressDialog>
#include <chrono>

#include "commands/ProgressWait.h"
#include "dialogs/FindDialog.h"
#include "editor/LongLineWindow.h"
#include "markup/FindReplace.h"
#include "support/MainWindowFixture.h"

using markup::Pos;

namespace {

class FindCommands : public MainWindowTest {
protected:
    void SetUp() override { start(); }

    std::pair<Pos, Pos> selection() { return {body().selectionStart(), body().selectionLength()}; }
    // Runs the command that shows a search dialog and waits until it has the keyboard.
    template <typename Dialog>
    Dialog& open(const char* command)
    {
        run(command);
        auto* dlg = window->findChild<Dialog*>();
        QApplication::setActiveWindow(dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dlg));
        return *dlg;
    }
    // The Replace dialog with `find` and `with` typed into its fields.
    dialogs::ReplaceDialog& openReplace(const QString& find, const QString& with)
    {
        auto& dlg = open<dialogs::ReplaceDialog>("Replace1Click");
        QTest::keyClicks(QApplication::focusWidget(), find);
        press(Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), with);
        return dlg;
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

// The dialog opens on the selected text; F3 goes on from the last match even
// after Esc closed the dialog, and says when nothing more is found. Opening
// another document clears the search texts, after which F3 does nothing.
TEST_F(FindCommands, FindNextGoesOnWithTheDialogsText)
{
    load("Hello World, world", 13, 5);
    dialogs::FindDialog& dlg = open<dialogs::FindDialog>("EditFindClick");
    EXPECT_EQ(dlg.findText(), QStringLiteral("world"));
    press(Qt::Key_Return);  // from the top
    EXPECT_EQ(selection(), std::make_pair(Pos{6}, Pos{5}));
    press(Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    run("EditFindNextClick");
    EXPECT_EQ(selection(), std::make_pair(Pos{13}, Pos{5}));
    run("EditFindNextClick");
    ASSERT_EQ(ui.texts(), QStringList{QString::fromStdString(markup::notFoundMessage("world"))});
    EXPECT_EQ(ui.shown.at(0).kind, interaction::MessageKind::Information);
    dialogs::ReplaceDialog& replace = openReplace("world", "x");
    window->registry().documentReplaced();
    EXPECT_EQ(std::tuple(dlg.findText(), replace.findText(), replace.replaceText()),
              std::tuple(QString(), QString(), QString()));
    body().loadText("world");
    run("EditFindNextClick");
    EXPECT_EQ(std::pair(body().selectionLength(), ui.shown.size()), std::pair(Pos{0}, size_t(1)));
}

// Replace (Alt+R) replaces the selected match and finds the next; Replace All
// (Alt+A) reports the count, closes the dialog and recolours the tags.
TEST_F(FindCommands, TheReplaceDialogsKeysReplace)
{
    window->setHighlightingOn(true);
    body().loadText("<b>aa a</b>");
    dialogs::ReplaceDialog& dlg = openReplace("A", "b");
    press(Qt::Key_Return);
    press(Qt::Key_Return);  // one past the last match: the adjacent one is skipped
    press(Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return body().text() == "<b>aa b</b>"; })) << body().text();
    EXPECT_EQ(ui.texts(), QStringList{QString::fromStdString(markup::notFoundMessage("A"))});  // after the last one
    press(Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }));
    EXPECT_EQ(body().text(), "<b>bb b</b>");
    EXPECT_EQ(ui.texts().last(), QString::fromStdString(markup::replacementsMessage(2)));
    for (Pos tag : {0, 2, 7, 10}) EXPECT_EQ(body().styleAt(tag), markup::TagStyle) << tag;
    for (Pos text : {3, 5, 6}) EXPECT_EQ(body().styleAt(text), markup::DefaultStyle) << text;
}

// Replace All of a text matching at every byte of a minified page (the
// progress dialog shows at once here).
class LongReplaceAll : public FindCommands {
protected:
    void SetUp() override
    {
        commands::setProgressDelay(std::chrono::milliseconds(0));
        start();
        body().loadText(page);
    }
    void TearDown() override { commands::setProgressDelay(std::chrono::milliseconds(500)); }
    const std::string page = std::string(4 * editor::LongLineWindow::kLongLine, 'a');
};

// Presses Esc in the progress dialog as it shows, noting whether the wait
// cursor was on meanwhile.
class EscWhenShown : public QObject {
public:
    bool waited = false, pressed = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* progress = qobject_cast<QProgressDialog*>(watched);
        if (progress && event->type() == QEvent::Show && !pressed) {
            pressed = true;
            waited = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            QTest::keyClick(progress, Qt::Key_Escape);
        }
        return false;
    }
};

// Esc in the progress dialog leaves the document as it was, with nothing to
// undo, and the Replace dialog open.
TEST_F(LongReplaceAll, EscInTheProgressDialogCancelsIt)
{
    dialogs::ReplaceDialog& dlg = openReplace("a", "bb");
    EscWhenShown esc;
    qApp->installEventFilter(&esc);
    press(Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return esc.pressed; }));
    qApp->removeEventFilter(&esc);
    EXPECT_TRUE(esc.waited);
    EXPECT_EQ(body().text(), page);
    EXPECT_FALSE(body().isModified() || body().canUndo() || !dlg.isVisible() || !ui.shown.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Refused numbers keep the dialog open until one fits (the refusals:
// GoLineCheck's table); the caret goes to the end of that line, in view.
TEST_F(FindCommands, GoToLineMovesTheCaretToTheEndOfTheLineInView)
{
    std::string text;
    for (int i = 1; i <= 1000; ++i) text += "line " + std::to_string(i) + "\r\n";
    body().loadText(text);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ui.onModal([](QDialog& dlg) {
        dlg.show();
        auto* field = dlg.findChild<QLineEdit*>(QStringLiteral("txtGoLine"));
        for (const char* typed : {"x1", "1001", "900"}) {
            field->clear();
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
        }
        return dlg.result();
    });
    run("EditGoToLineClick");
    EXPECT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(body().textRange(body().caretPosition() - 8, 10), "line 900\r\n");
    const int first = body().firstVisibleDocumentLine();
    EXPECT_TRUE(first <= 899 && first + body().linesOnScreen() > 899) << first;
}

}  // namespace
