// The new-document dialog with real keys: the first focus and Return, Esc and
// the close box, the template radios' one Tab stop. (The colour choices: the
// colour scheme's table.)
#include <QRadioButton>

#include "generators/TfrmNew.h"
#include "settings/SettingsStore.h"
#include "support/DialogTest.h"

namespace {

class NewDialog : public testing_support::DialogTest<generators::TfrmNew> {
protected:
    bool chosen(const char* radio) const
    {
        return QTest::qWaitFor([&] { return dialog->findChild<QRadioButton*>(radio)->isChecked(); }, 1000);
    }

    settings::SettingsStore store;
};

// The last template chosen has the focus, and the template radios are one Tab
// stop; Return (OK) and Esc store the choice, the close box does not.
TEST_F(NewDialog, OnlyOkAndEscStoreTheChoice)
{
    store.write(settings::user::kLastTemplate, 3);
    open();
    const char* const order[] = {"optFrames",  "txtCustom", "btnCustom", "txtBgImage", "txtDocType",
                                 "btnRestore", "btnOk",     "btnCancel", "cmbPart",    "ColorBar",
                                 "scrRed",     "scrGreen",  "scrBlue",   "optFrames"};
    for (size_t i = 0; i < std::size(order); ++i) {
        if (i > 0) press(Qt::Key_Tab);
        EXPECT_EQ(focus(), order[i]) << i;
    }
    press(Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(store.read(settings::document::kTemplate), 2);

    for (const bool closeBox : {false, true}) {
        store.write(settings::document::kTemplate, 2);
        open();
        press(Qt::Key_B, Qt::AltModifier);
        EXPECT_TRUE(chosen("optBlank"));
        if (closeBox)
            dialog->close();
        else
            press(Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(store.read(settings::document::kTemplate), closeBox ? 2 : 0);
        EXPECT_EQ(store.read(settings::user::kLastTemplate), 3);
    }
}

}  // namespace
