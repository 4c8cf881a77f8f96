// The custom buttons and the tag list window through the real main window:
// the Alt and Shift+Alt digits with the custom toolbar shown, the right click
// that edits a button, and F8 with the window's open and close rules.
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include "dialogs/CustomButtons.h"
#include "dialogs/TfrmTags.h"
#include "support/MainWindowFixture.h"

namespace {

class CustomCommands : public MainWindowTest {
protected:
    void startWith(bool tagList)
    {
        settings::SettingsStore().write(settings::window::kCustomBar, true);
        settings::SettingsStore().write(settings::window::kTagList, tagList);
        start();
        activate();
    }
    QToolButton* button(int n) { return window->findChild<QToolButton*>(QStringLiteral("btnCustom%1").arg(n)); }
    dialogs::TfrmTags* tags() { return window->findChild<dialogs::TfrmTags*>(); }
    bool tagListChecked() { return action("ViewTagList")->isChecked(); }
};

TEST_F(CustomCommands, DigitKeysRightClickAndTheTagListWindow)
{
    startWith(false);
    ASSERT_TRUE(button(1)->isVisible());  // its accelerator is Alt+1 too
    typeAndSelect("abc", 3);
    QTest::keyClick(&body(), Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(text(), "<Custom 1>abc</Custom 1>");
    QTest::keyClick(&body(), Qt::Key_0, Qt::AltModifier);
    EXPECT_EQ(text(), "<Custom 1><Custom 10>abc</Custom 10></Custom 1>");  // KeepSelected is on
    // Shift+Alt, also as Shift+Meta: the closing tag in place of the selection.
    body().loadText({});
    typeAndSelect("abc", 1);
    QTest::keyClick(&body(), Qt::Key_1, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(&body(), Qt::Key_1, Qt::ShiftModifier | Qt::MetaModifier);
    QTest::keyClick(&body(), Qt::Key_0, Qt::ShiftModifier | Qt::MetaModifier);
    EXPECT_EQ(text(), "ab</Custom 1></Custom 1></Custom 10>");

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
    EXPECT_EQ(button(2)->toolTip(), "<em> .. </Custom 2>");
    run("Custom1Click");  // as the menu opening runs it
    EXPECT_EQ(action("N2Custom1")->text(), "&Em");
    body().loadText({});
    QTest::keyClick(&body(), Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(text(), "<em>");
    // F8 opens and closes the list, and nothing of it is stored; closed by the
    // window system, it keeps its place and opens again at the next start.
    startWith(false);
    EXPECT_EQ(tags(), nullptr);
    QTest::keyClick(&body(), Qt::Key_F8);
    ASSERT_NE(tags(), nullptr);
    EXPECT_TRUE(tags()->isVisible() && tagListChecked());
    EXPECT_TRUE(settings::SettingsStore().read(settings::window::kTagList));

    typeAndSelect("home", 4);
    QListWidget* list = tags()->taglist();
    const QRect first = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());  // a double click starts with one
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(text(), R"(<a href="">home</a>)");
    EXPECT_TRUE(QTest::qWaitFor([&] { return body().hasFocus(); }));

    QTest::keyClick(&body(), Qt::Key_F8);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tags() == nullptr; }));
    EXPECT_FALSE(tagListChecked() || settings::SettingsStore().read(settings::window::kTagList));
    EXPECT_FALSE(settings::SettingsStore().HasValue("tagwindow", "left"));

    run("ViewTagListClick");
    ASSERT_NE(tags(), nullptr);
    tags()->move(30, 40);
    tags()->close();
    EXPECT_FALSE(tagListChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return tags() == nullptr; }));
    EXPECT_TRUE(settings::SettingsStore().read(settings::window::kTagList));
    EXPECT_EQ(settings::SettingsStore().read(settings::tagwindow::kLeft), 30);
    window->editor().setModified(false);
    start();
    ASSERT_NE(tags(), nullptr);
    EXPECT_TRUE(tagListChecked());
    QPointer<dialogs::TfrmTags> shown = tags();
    window->close();
    EXPECT_TRUE(shown.isNull() || !shown->isVisible());
}

}  // namespace
