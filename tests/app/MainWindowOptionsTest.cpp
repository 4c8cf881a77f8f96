// The Options dialog and the Tools menu through the real main window: a change
// made in the dialog takes effect at once for the next tag and the tag colour,
// and the special-character submenu is captioned when it opens.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "dialogs/ColorGrid.h"

namespace {

class MainWindowOptions : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        activate();
    }
    app::BodyEditor& body() { return window->editor(); }
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
        window->commands().action(QStringLiteral("ToolsOptions"))->trigger();
        EXPECT_TRUE(ui.modals.empty());
    }
};

TEST_F(MainWindowOptions, UpperCaseTagsChosenInTheDialogMakeTheNextBoldUpperCase)
{
    type(QStringLiteral("a"));
    QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier);
    changeOptions([](QDialog& dialog) {
        auto* lowerCase = dialog.findChild<QCheckBox*>(QStringLiteral("chkCase"));
        ASSERT_TRUE(lowerCase->isChecked());
        QTest::mouseClick(lowerCase, Qt::LeftButton, {}, QPoint(8, lowerCase->height() / 2));
        ASSERT_FALSE(lowerCase->isChecked());
    });
    activate();
    type(QStringLiteral("x"));
    QTest::keyClick(&body(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(text(), "a<b><B>x</B>");
}

TEST_F(MainWindowOptions, TagColourChosenInTheDialogIsTheColourOfTheTagsAtOnce)
{
    changeOptions([](QDialog& dialog) {
        auto* grid = dialog.findChild<dialogs::ColorGrid*>(QStringLiteral("SyntaxClrBar"));
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(9).center());  // red
        ASSERT_EQ(grid->selectedIndex(), 9);
    });
    EXPECT_EQ(body().tagColour(), 0xFF0000u);
}

TEST_F(MainWindowOptions, SpecialCharacterSubmenuIsCaptionedWhenItOpens)
{
    QAction* toHtml = window->commands().action(QStringLiteral("ToolsS2H"));
    EXPECT_EQ(toHtml->text(), QStringLiteral("&Special Characters To HTML"));
    // Alt+T opens Tools, C (its access key) the submenu.
    QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);
    QMenu* tools = window->commands().menu(QStringLiteral("Tools1"));
    ASSERT_TRUE(QTest::qWaitFor([tools] { return tools->isVisible(); }));
    QTest::keyClick(tools, Qt::Key_C);
    QMenu* convert = window->commands().menu(QStringLiteral("ToolsConvert"));
    ASSERT_TRUE(QTest::qWaitFor([convert] { return convert->isVisible(); }));
    EXPECT_EQ(toHtml->text(), QStringLiteral("&Special Characters to HTML"));
    EXPECT_EQ(window->commands().action(QStringLiteral("ToolsH2S"))->text(),
              QStringLiteral("&HTML to Special Characters"));
    QTest::keyClick(convert, Qt::Key_Escape);
    QTest::keyClick(tools, Qt::Key_Escape);
}

}  // namespace
