// The Options dialog through the real main window: a change made in the dialog
// takes effect at once for the next tag and the tag colour.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

#include "dialogs/ColorGrid.h"
#include "support/MainWindowFixture.h"

namespace {

class MainWindowOptions : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        activate();
    }
    // Tools > Options as the menu entry runs it, with `edit` done in the dialog
    // before OK is clicked.
    void changeOptions(const std::function<void(QDialog&)>& edit)
    {
        ui.onModal([edit](QDialog& dialog) {
            dialog.show();
            edit(dialog);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
            return dialog.result();
        });
        action("ToolsOptions")->trigger();
        EXPECT_TRUE(ui.modals.empty());
    }
};

// What is chosen in the dialog takes effect at once: the case of the next tag
// and the tag colour. The options are read again also after a Cancel.
TEST_F(MainWindowOptions, ChoicesTakeEffectAtOnceAndTheOptionsAreReadAgainAfterCancel)
{
    type(QStringLiteral("a"));
    QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier);
    changeOptions([](QDialog& dialog) {
        auto* lowerCase = dialog.findChild<QCheckBox*>(QStringLiteral("chkCase"));
        QTest::mouseClick(lowerCase, Qt::LeftButton, {}, QPoint(8, lowerCase->height() / 2));
        ASSERT_FALSE(lowerCase->isChecked());
        auto* grid = dialog.findChild<dialogs::ColorGrid*>(QStringLiteral("SyntaxClrBar"));
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(9).center());  // red
        ASSERT_EQ(grid->selectedIndex(), 9);
    });
    EXPECT_EQ(body().tagColour(), 0xFF0000u);
    const auto boldOver = [this](const char* word) {
        activate();
        type(QString::fromLatin1(word));
        QTest::keyClick(&body(), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(&body(), Qt::Key_End);
    };
    boldOver("x");
    EXPECT_EQ(text(), "a<b><B>x</B>");
    settings::SettingsStore().write(settings::user::kLowerCase, true);
    ui.onModal([](QDialog& dialog) { return dialog.result(); });  // cancelled
    action("ToolsOptions")->trigger();
    boldOver("y");
    EXPECT_EQ(text(), "a<b><B>x</B><b>y</b>");
}

}  // namespace
