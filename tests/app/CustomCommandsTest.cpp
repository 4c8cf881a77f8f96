// The custom buttons and the tag list window through the real main window:
// the Alt and Shift+Alt digits with the custom toolbar shown, the right click
// that edits a button, and F8 with the window's open and close rules.
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "dialogs/CustomButtons.h"
#include "dialogs/TfrmTags.h"

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
    app::BodyEditor& body() { return window->editor(); }
    void typeAndSelect(const QString& words, int selected)
    {
        type(words);
        for (int i = 0; i < selected; ++i) QTest::keyClick(&body(), Qt::Key_Left, Qt::ShiftModifier);
    }
    QToolButton* button(int n) { return window->findChild<QToolButton*>(QStringLiteral("btnCustom%1").arg(n)); }
    dialogs::TfrmTags* tags() { return window->findChild<dialogs::TfrmTags*>(); }
    bool tagListChecked() { return window->commands().action("ViewTagList")->isChecked(); }
};

TEST_F(CustomCommands, AltDigitsInsertThePairsWithTheirButtonsShown)
{
    startWith(false);
    ASSERT_TRUE(button(1)->isVisible());  // its accelerator is Alt+1 too
    typeAndSelect("abc", 3);
    QTest::keyClick(&body(), Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(text(), "<Custom 1>abc</Custom 1>");
    QTest::keyClick(&body(), Qt::Key_0, Qt::AltModifier);
    EXPECT_EQ(text(), "<Custom 1><Custom 10>abc</Custom 10></Custom 1>");  // KeepSelected is on
}

TEST_F(CustomCommands, ShiftAltDigitsWriteTheClosingTagInPlaceOfTheSelection)
{
    startWith(false);
    typeAndSelect("abc", 1);
    QTest::keyClick(&body(), Qt::Key_1, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(&body(), Qt::Key_1, Qt::ShiftModifier | Qt::MetaModifier);
    QTest::keyClick(&body(), Qt::Key_0, Qt::ShiftModifier | Qt::MetaModifier);
    EXPECT_EQ(text(), "ab</Custom 1></Custom 1></Custom 10>");
}

TEST_F(CustomCommands, RightClickEditsTheButtonAndTheMenuShowsTheNewCaption)
{
    startWith(false);
    ui.onModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Customize Button #2");
        auto* dialog = static_cast<dialogs::TfrmCustom*>(&d);
        dialog->txtCaption()->setText("&Em");
        dialog->txtStart()->setText("<em>");
        d.findChild<QPushButton*>("btnOk")->click();
        return d.result();
    });
    QTest::mousePress(button(2), Qt::RightButton);
    QTRY_COMPARE(button(2)->text(), QString("&Em"));
    QTest::mouseRelease(button(2), Qt::RightButton);
    EXPECT_EQ(button(2)->toolTip(), "<em> .. </Custom 2>");
    run("Custom1Click");  // as the menu opening runs it
    EXPECT_EQ(window->commands().action("N2Custom1")->text(), "&Em");
    QTest::keyClick(&body(), Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(text(), "<em>");
}

TEST_F(CustomCommands, F8OpensTheListWhoseDoubleClickInsertsAndF8ClosesItWithoutStoringItsPlace)
{
    startWith(false);
    EXPECT_EQ(tags(), nullptr);
    QTest::keyClick(&body(), Qt::Key_F8);
    ASSERT_NE(tags(), nullptr);
    EXPECT_TRUE(tags()->isVisible());
    EXPECT_TRUE(tagListChecked());
    EXPECT_TRUE(settings::SettingsStore().read(settings::window::kTagList));

    typeAndSelect("home", 4);
    QListWidget* list = tags()->taglist();
    const QRect first = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());  // a double click starts with one
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(text(), R"(<a href="">home</a>)");
    QTRY_VERIFY(body().hasFocus());

    QTest::keyClick(&body(), Qt::Key_F8);
    QTRY_COMPARE(tags(), nullptr);
    EXPECT_FALSE(tagListChecked());
    EXPECT_FALSE(settings::SettingsStore().read(settings::window::kTagList));
    EXPECT_FALSE(settings::SettingsStore().HasValue("tagwindow", "left"));
}

TEST_F(CustomCommands, TheListReopensAtStartAndAClosedOneStillOpensNextTime)
{
    startWith(true);
    ASSERT_NE(tags(), nullptr);
    EXPECT_TRUE(tagListChecked());
    tags()->move(30, 40);
    tags()->close();  // as the window system closes it: its place is kept
    EXPECT_FALSE(tagListChecked());
    QTRY_COMPARE(tags(), nullptr);
    EXPECT_TRUE(settings::SettingsStore().read(settings::window::kTagList));
    EXPECT_EQ(settings::SettingsStore().read(settings::tagwindow::kLeft), 30);

    run("ViewTagListClick");
    QPointer<dialogs::TfrmTags> list = tags();
    window->close();
    EXPECT_TRUE(list.isNull() || !list->isVisible());
}

}  // namespace
