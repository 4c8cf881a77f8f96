// The custom buttons and the tag list window through the real main window:
// the Alt digits with the custom toolbar shown, the right click that edits a
// button, and F8 with the window's open and close rules.
#include <QListWidget>
#include <QPointer>
#include <QToolButton>

#include "dialogs/CustomButtons.h"
#include "dialogs/TfrmCustom.h"
#include "dialogs/TfrmTags.h"
#include "support/MainWindowFixture.h"

namespace {

class CustomCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        settings::SettingsStore().write(settings::window::kCustomBar, true);
        start();
        activate();
    }
    QToolButton* button(int n) { return window->findChild<QToolButton*>(QStringLiteral("btnCustom%1").arg(n)); }
    dialogs::TfrmTags* tags() { return window->findChild<dialogs::TfrmTags*>(); }
    bool tagListChecked() { return action("ViewTagList")->isChecked(); }
};

// Alt+1 is both the button's access key and its entry's shortcut: it writes
// the pair once; Shift+Alt+1 the end tag alone.
TEST_F(CustomCommands, AltDigitsWriteTheCustomPairs)
{
    ASSERT_TRUE(button(1)->isVisible());
    typeAndSelect("abc", 3);
    QTest::keyClick(&body(), Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(text(), "<Custom 1>abc</Custom 1>");
    QTest::keyClick(&body(), Qt::Key_1, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(text(), "<Custom 1></Custom 1></Custom 1>");  // in place of the kept selection
}

TEST_F(CustomCommands, ARightClickEditsTheButton)
{
    ui.onModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Customize Button #2");
        auto* dialog = static_cast<dialogs::TfrmCustom*>(&d);
        dialog->txtCaption()->setText("&Em");
        dialog->txtStart()->setText("<em>");
        d.findChild<QPushButton*>("btnOk")->click();
        return d.result();
    });
    QTest::mousePress(button(2), Qt::RightButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return button(2)->text() == "&Em"; }));
    QTest::mouseRelease(button(2), Qt::RightButton);
    run("Custom1Click");  // as the menu opening runs it
    EXPECT_EQ(action("N2Custom1")->text(), "&Em");
    QTest::keyClick(&body(), Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(text(), "<em>");
}

// F8 opens and closes the list; only whether it is open is stored (a start
// opens it again: tests/screens). A double click on an entry writes it around
// the selection and gives the keyboard back to the editor.
TEST_F(CustomCommands, F8TogglesTheTagList)
{
    QTest::keyClick(&body(), Qt::Key_F8);
    ASSERT_NE(tags(), nullptr);
    EXPECT_TRUE(tags()->isVisible() && tagListChecked());
    EXPECT_TRUE(settings::SettingsStore().read(settings::window::kTagList));
    typeAndSelect("home", 4);
    QListWidget* list = tags()->taglist();
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);  // a double click starts with one
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(text(), R"(<a href="">home</a>)");
    EXPECT_TRUE(QTest::qWaitFor([&] { return body().hasFocus(); }));
    QTest::keyClick(&body(), Qt::Key_F8);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tags() == nullptr; }));
    EXPECT_FALSE(tagListChecked() || settings::SettingsStore().read(settings::window::kTagList));
    // It closes with the main window.
    run("ViewTagListClick");
    const QPointer<dialogs::TfrmTags> shown = tags();
    ASSERT_FALSE(shown.isNull());
    body().setModified(false);
    window->close();
    EXPECT_TRUE(shown.isNull() || !shown->isVisible());
}

}  // namespace
