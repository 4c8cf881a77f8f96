// Find, Find Next (F3), Replace and Go to line as the author uses them: the
// commands run by name on the real editing control, the dialogs driven with
// key presses, the messages read back from the scripted interaction.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QTest>
#include <chrono>

#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/ProgressWait.h"
#include "dialogs/FindDialog.h"
#include "dialogs/GoLineDialog.h"
#include "editor/BodyEditor.h"
#include "editor/LongLineWindow.h"
#include "support/FakeEditorContext.h"
#include "support/ScriptedInteraction.h"

using markup::Pos;

namespace {

class FindCommands : public testing::Test {
protected:
    FindCommands() { app::registerFindCommands(context, registry); }

    app::BodyEditor& body() { return context.editor(); }
    std::pair<Pos, Pos> selection() { return {body().selectionStart(), body().selectionLength()}; }

    // Runs the command that shows a search dialog and waits until it has the keyboard.
    template <typename Dialog>
    Dialog& open(const char* command)
    {
        EXPECT_TRUE(registry.run(QString::fromLatin1(command)));
        auto* dlg = context.window()->findChild<Dialog*>();
        EXPECT_NE(dlg, nullptr);
        QApplication::setActiveWindow(dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dlg));
        return *dlg;
    }
    static QWidget* focused() { return QApplication::focusWidget(); }
    static void type(const QString& text) { QTest::keyClicks(focused(), text); }

    testing_support::ScriptedInteraction ui;
    testing_support::FakeEditorContext context;
    app::CommandRegistry registry;
};

TEST_F(FindCommands, FindTakesTheSelectionAndF3GoesOnAfterEscUntilNotFound)
{
    body().loadText("Hello World, world");
    body().setSelection(13, 5);
    dialogs::FindDialog& dlg = open<dialogs::FindDialog>("EditFindClick");
    EXPECT_EQ(dlg.findText(), QStringLiteral("world"));
    EXPECT_EQ(focused(), dlg.findChild<QLineEdit*>(QStringLiteral("txtFindWhat")));

    QTest::keyClick(focused(), Qt::Key_Return);  // from the top: FindPos is still 0
    EXPECT_EQ(selection(), std::make_pair(Pos{6}, Pos{5}));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(registry.run(QStringLiteral("EditFindNextClick")));
    EXPECT_EQ(selection(), std::make_pair(Pos{13}, Pos{5}));
    EXPECT_TRUE(ui.shown.empty());

    registry.run(QStringLiteral("EditFindNextClick"));
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("\"world\" not found.")});
    EXPECT_EQ(ui.shown.at(0).kind, interaction::MessageKind::Information);
    EXPECT_EQ(body().selectionLength(), 0);
    // Esc closes the dialog and keeps its text for F3, which starts over.
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    registry.run(QStringLiteral("EditFindNextClick"));
    EXPECT_EQ(selection(), std::make_pair(Pos{6}, Pos{5}));
}

// The Replace dialog's Find Next starts one past the last match (so it skips
// an adjacent one); Replace replaces the selected match and finds the next;
// Replace All reports the count, closes the dialog and recolours the tags.
TEST_F(FindCommands, ReplaceOneAtATimeOrAll)
{
    context.setHighlightingOn(true);
    body().loadText("<b>aa a</b>");
    dialogs::ReplaceDialog& dlg = open<dialogs::ReplaceDialog>("Replace1Click");
    type(QStringLiteral("A"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    type(QStringLiteral("b"));
    QTest::keyClick(focused(), Qt::Key_Return);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(selection(), std::make_pair(Pos{6}, Pos{1}));
    QSignalSpy pressed(&dlg, &dialogs::FindDialog::replaceClicked);
    QTest::keyClick(focused(), Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pressed.count() == 1; }));
    EXPECT_EQ(body().text(), "<b>aa b</b>");  // the last "a": nothing follows it
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("\"A\" not found.")});
    EXPECT_TRUE(dlg.isVisible());
    QTest::keyClick(focused(), Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }));
    EXPECT_EQ(body().text(), "<b>bb b</b>");
    EXPECT_EQ(ui.texts().last(), QStringLiteral("2 replacements made."));
    EXPECT_EQ(selection(), std::make_pair(Pos{5}, Pos{0}));  // after the last replacement
    for (Pos tag : {0, 2, 7, 10}) EXPECT_EQ(body().styleAt(tag), markup::TagStyle) << tag;
    for (Pos text : {3, 5, 6}) EXPECT_EQ(body().styleAt(text), markup::DefaultStyle) << text;
    // No match: still closed, and said.
    body().loadText("xyz");
    open<dialogs::ReplaceDialog>("Replace1Click");
    QTest::keyClick(focused(), Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }));
    EXPECT_EQ(ui.texts().last(), QStringLiteral("0 replacements made."));
    EXPECT_FALSE(body().isModified());
    // One: the word in the singular.
    body().loadText("xaz");
    open<dialogs::ReplaceDialog>("Replace1Click");
    QTest::keyClick(focused(), Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }));
    EXPECT_EQ(ui.texts().last(), QStringLiteral("1 replacement made."));
}

// Presses Esc in the progress dialog as it shows, noting whether the wait
// cursor was on: before the pass's end is taken, whenever the pass ends.
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

// Replace All of a text matching at every byte of a minified page: the wait
// cursor and a progress dialog (here at once) whose Esc leaves the document as
// it was and the Replace dialog open; run to its end, the long line grown to
// twice its size still shows only the window around the caret, and so does
// the line an undo puts back.
TEST_F(FindCommands, ReplaceAllShowsProgressEscCancelsAndALongLineKeepsItsWindow)
{
    app::setProgressDelay(std::chrono::milliseconds(0));
    const struct Restore {
        ~Restore() { app::setProgressDelay(std::chrono::milliseconds(500)); }
    } restore;
    const std::string page(4 * app::LongLineWindow::kLongLine, 'a');
    body().loadText(page);
    dialogs::ReplaceDialog& dlg = open<dialogs::ReplaceDialog>("Replace1Click");
    type(QStringLiteral("a"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    type(QStringLiteral("bb"));
    EscWhenShown esc;
    qApp->installEventFilter(&esc);
    QTest::keyClick(focused(), Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return esc.pressed; }));
    qApp->removeEventFilter(&esc);
    EXPECT_TRUE(esc.waited);
    EXPECT_EQ(body().text(), page);
    EXPECT_FALSE(body().isModified());
    EXPECT_FALSE(body().canUndo());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    open<dialogs::ReplaceDialog>("Replace1Click");
    QTest::keyClick(focused(), Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }));
    EXPECT_EQ(ui.texts().last(), QString::fromStdString(markup::replacementsMessage(Pos(page.size()))));
    const Pos end = body().length();
    EXPECT_EQ(end, Pos(2 * page.size()));
    EXPECT_EQ(body().caretPosition(), end);
    EXPECT_TRUE(body().isShown(end - 1));
    EXPECT_FALSE(body().isShown(0));
    EXPECT_FALSE(body().isShown(end / 2));
    // Undone, the line is as long as before and windowed as well.
    body().undo();
    EXPECT_EQ(body().text(), page);
    EXPECT_FALSE(body().isShown(Pos(page.size()) / 2));
}

TEST_F(FindCommands, OpeningAnotherDocumentClearsTheSearchTexts)
{
    body().loadText("abc abc");
    dialogs::FindDialog& find = open<dialogs::FindDialog>("EditFindClick");
    type(QStringLiteral("abc"));
    QTest::keyClick(focused(), Qt::Key_Return);
    dialogs::ReplaceDialog& replace = open<dialogs::ReplaceDialog>("Replace1Click");
    type(QStringLiteral("abc"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    type(QStringLiteral("x"));

    registry.documentReplaced();
    EXPECT_EQ(find.findText(), QString());
    EXPECT_EQ(replace.findText(), QString());
    EXPECT_EQ(replace.replaceText(), QString());
    body().loadText("abc");
    registry.run(QStringLiteral("EditFindNextClick"));
    open<dialogs::FindDialog>("EditFindClick");
    QTest::keyClick(focused(), Qt::Key_Return);  // nothing to search for
    EXPECT_EQ(body().selectionLength(), 0);
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(FindCommands, GoToLineMovesTheCaretToTheEndOfTheLineInView)
{
    std::string text;
    for (int i = 1; i <= 1000; ++i) text += "line " + std::to_string(i) + "\r\n";
    body().loadText(text);
    context.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(context.window()));

    // Each text typed into the field, then Return; Esc at the end.
    auto typeLines = [this](QStringList texts, Qt::Key last) {
        ui.onModal([texts, last](QDialog& dlg) {
            dlg.show();
            auto* field = dlg.findChild<QLineEdit*>(QStringLiteral("txtGoLine"));
            for (const QString& typed : texts) {
                field->clear();
                QTest::keyClicks(field, typed);
                QTest::keyClick(field, typed == texts.last() ? last : Qt::Key_Return);
            }
            return dlg.result();
        });
        registry.run(QStringLiteral("EditGoToLineClick"));
    };
    typeLines({"5"}, Qt::Key_Escape);
    EXPECT_EQ(body().caretPosition(), 0);
    // Refused numbers keep it open until one fits.
    typeLines({"x1", "1001", "900"}, Qt::Key_Return);
    ASSERT_EQ(ui.shown.size(), 2u);  // the texts: GoLineCheck's table
    EXPECT_EQ(std::pair(ui.shown[0].kind, ui.shown[1].kind),
              std::pair(interaction::MessageKind::Error, interaction::MessageKind::Information));
    EXPECT_EQ(body().lineFromPosition(body().caretPosition()), 899);
    EXPECT_EQ(body().textRange(body().caretPosition() - 8, 10), "line 900\r\n");
    const int first = body().firstVisibleDocumentLine();
    EXPECT_LE(first, 899);
    EXPECT_GT(first + body().linesOnScreen(), 899);
}

}  // namespace
