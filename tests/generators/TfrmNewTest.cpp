// The new-document dialog with real keys: the first focus and Return, Esc and
// the close box, the template radios' access keys and their one Tab stop, the
// custom path's browse button and keys, and a colour picked with the mouse.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "dialogs/ColorGrid.h"
#include "generators/TfrmNew.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedInteraction.h"

namespace {

using generators::TfrmNew;

class NewDialog : public testing::Test {
protected:
    void open()
    {
        dialog = std::make_unique<TfrmNew>();
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    template <typename W = QWidget>
    W* child(const char* name) const
    {
        return dialog->findChild<W*>(QString::fromLatin1(name));
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static std::string focus() { return QApplication::focusWidget()->objectName().toStdString(); }
    std::string chosen() const
    {
        for (const char* name : {"optBlank", "optNormal", "optFrames", "optCustom"})
            if (child<QRadioButton>(name)->isChecked()) return name;
        return "none";
    }

    settings::SettingsStore store;
    testing_support::ScriptedInteraction ui;
    std::unique_ptr<TfrmNew> dialog;
};

TEST_F(NewDialog, ReturnAtOnceIsOkEscIsCancelAndTheCloseBoxStoresNothing)
{
    store.write(settings::user::kLastTemplate, 3);
    open();
    EXPECT_EQ(focus(), "optFrames");
    press(Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(store.read(settings::document::kTemplate), 2);
    EXPECT_EQ(store.read(settings::document::kBgColour), "C0C0C0");

    open();
    press(Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chosen() == "optBlank"; }));
    press(Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(store.read(settings::document::kTemplate), 0);
    EXPECT_EQ(store.read(settings::user::kLastTemplate), 3);

    store.write(settings::document::kTemplate, 2);
    open();
    press(Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return chosen() == "optBlank"; }));
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(store.read(settings::document::kTemplate), 2);
}

TEST_F(NewDialog, RadiosAreOneTabStopChosenByAccessKeysArrowsOrAKeyInTheCustomPath)
{
    open();
    for (auto [key, radio] : {std::pair(Qt::Key_B, "optBlank"), {Qt::Key_F, "optFrames"}, {Qt::Key_N, "optNormal"}}) {
        press(key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return chosen() == radio; })) << radio;
    }
    press(Qt::Key_Down);
    EXPECT_EQ(chosen(), "optFrames");
    const char* order[] = {"optFrames",  "txtCustom", "btnCustom", "txtBgImage", "txtDocType",
                           "btnRestore", "btnOk",     "btnCancel", "cmbPart",    "ColorBar",
                           "scrRed",     "scrGreen",  "scrBlue",   "optFrames"};
    for (const char* at : order) {
        EXPECT_EQ(focus(), at);
        press(Qt::Key_Tab);
    }
    EXPECT_EQ(chosen(), "optFrames");  // Tab through the path chose nothing

    // Browsing fills the path without choosing it; a key in the path does.
    ui.fileName("/t/page.html");
    child("btnCustom")->setFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(ui.fileDialogTitles, QStringList{"Custom Template File"});
    EXPECT_EQ(child<QLineEdit>("txtCustom")->text(), "/t/page.html");
    EXPECT_EQ(chosen(), "optFrames");
    child("txtCustom")->setFocus();
    press(Qt::Key_Shift);  // a modifier alone chooses nothing
    EXPECT_EQ(chosen(), "optFrames");
    press(Qt::Key_End);
    EXPECT_EQ(chosen(), "optCustom");
}

TEST_F(NewDialog, ASampleClickedThenAPaletteSquareGivesThatPartTheColour)
{
    open();
    QTest::mouseClick(child("alink"), Qt::LeftButton);
    auto* palette = child<dialogs::ColorGrid>("ColorBar");
    QTest::mouseClick(palette, Qt::LeftButton, {}, palette->cellRect(12).center());
    press(Qt::Key_Return);
    EXPECT_EQ(store.read(settings::document::kActiveColour), "0000FF");
    EXPECT_EQ(store.read(settings::document::kBgColour), "C0C0C0");
}

}  // namespace
