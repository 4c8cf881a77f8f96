// The Tools menu's user tools through the main window: the menu prepared as it
// opens, F10 to F12, and the warnings.
#include <QMenu>

#include "MainWindowFixture.h"
#include "files/UserTools.h"
#include "support/StandIn.h"

namespace {

// F10 starts tool one without the document; a tool without a program, or
// whose program cannot start, is reported.
TEST_F(MainWindowTest, TheToolsMenuShowsTheSetToolsAndTheirKeysStartThem)
{
    const testing_support::StandIn tool(home() + "/bin", "mapper");
    {
        settings::SettingsStore s;
        s.write(settings::user::kTool1Path, tool.path() + " --edit");
        s.write(settings::user::kTool3Name, "Never shown");
    }
    start({writeFile("page.html", "<p>")});
    emit window->commands().menu(QStringLiteral("Tools1"))->aboutToShow();
    EXPECT_EQ(action("ToolsDefTool1")->text(), "&1 mapper");
    EXPECT_TRUE(action("ToolsDefTool1")->isEnabled());
    EXPECT_FALSE(action("ToolsDefTool3")->isEnabled());
    EXPECT_EQ(action("ToolsDefTool3")->text(), "&3 User Defined Tool") << "an unset tool keeps its caption";
    EXPECT_TRUE(action("ToolsBrowser")->isEnabled());
    activate();
    QTest::keyClick(&window->editor(), Qt::Key_F10);
    EXPECT_EQ(tool.arguments(), QStringList{"--edit"});
    EXPECT_TRUE(ui.shown.empty());

    run("ToolsDefTool2Click");
    settings::SettingsStore().write(settings::user::kTool3Path, home() + "/missing-program");
    run("ToolsDefTool3Click");
    EXPECT_EQ(ui.texts(),
              QStringList({"No Tool defined.  Specify in Options settings.",
                           "Couldn't launch Application!  Check Options to see that the path is correct."}));
}

}  // namespace
