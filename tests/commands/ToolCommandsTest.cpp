// The Tools menu's user tools through the main window: the menu prepared as it
// opens, F10 to F12, and the warnings.
#include <QMenu>

#include "files/UserTools.h"
#include "support/MainWindowFixture.h"
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

// F1 gives the manual to the desktop's viewer; when it cannot be shown, the
// author is told where it is.
TEST_F(MainWindowTest, F1ShowsTheManualOrSaysWhereItLies)
{
    const QString manual = writeFile("quillon.html", "<title>Manual</title>");  // this program is not tagsmith
    start();
    activate();
    const testing_support::StandIn viewer(home() + "/bin", files::kHelpViewer);
    viewer.putFirstInPath();
    QTest::keyClick(&window->editor(), Qt::Key_F1);
    EXPECT_EQ(viewer.arguments(), QStringList{manual});
    const QString openByHand = "\nOpen " + manual + " in a web browser.";
    const QString viewerName = files::kHelpViewer;
    // A viewer that finds no browser, no viewer at all, no manual.
    const testing_support::StandIn failing(home() + "/failing", files::kHelpViewer, 3);
    failing.putFirstInPath();
    run("HelpContentsClick");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ui.shown.empty(); }));
    qputenv("PATH", (home() + "/nothing").toUtf8());
    run("HelpContentsClick");
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui.shown.size() == 2; }));
    QFile::remove(manual);
    run("HelpContentsClick");
    EXPECT_EQ(ui.texts(),
              QStringList({"The manual could not be shown: " + viewerName + " ended with exit code 3." + openByHand,
                           "The manual could not be shown: " + viewerName + " could not be started." + openByHand,
                           "The manual could not be found at " + manual + "."}));
}

}  // namespace
