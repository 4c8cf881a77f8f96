// The Options dialog through the real main window: a change made in the dialog
// takes effect at once for the next tag and the tag colour.
#include <QCheckBox>

#include "dialogs/ColorGrid.h"
#include "support/MainWindowFixture.h"

namespace {

// What is chosen in the dialog takes effect at once: the case of the next tag
// and the tag colour. The options are read again also after a Cancel.
TEST_F(MainWindowTest, OptionsChosenTakeEffectAtOnce)
{
    start();
    ui.onModal([](QDialog& dialog) {
        dialog.show();
        auto* lowerCase = dialog.findChild<QCheckBox*>(QStringLiteral("chkCase"));
        QTest::mouseClick(lowerCase, Qt::LeftButton, {}, QPoint(8, lowerCase->height() / 2));
        auto* grid = dialog.findChild<dialogs::ColorGrid*>(QStringLiteral("SyntaxClrBar"));
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(9).center());  // red
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
        return dialog.result();
    });
    action("ToolsOptions")->trigger();
    EXPECT_EQ(body().TagColour(), 0xFF0000u);
    run("FormatBoldClick");
    EXPECT_EQ(text(), "<B>");
    settings::SettingsStore().write(settings::user::kLowerCase, true);
    action("ToolsOptions")->trigger();  // cancelled
    run("FormatBoldClick");
    EXPECT_EQ(text(), "<B><b>");
}

}  // namespace
