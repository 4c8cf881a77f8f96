// The Tools menu's user tools through the main window: the menu prepared as it
// opens, the tools and the manual started, and the warnings.
#include <QMenu>

#include "files/UserTools.h"
#include "support/MainWindowFixture.h"
#include "support/StandIn.h"

namespace {

// The menu shows each tool set by its name, an unset one by its caption and
// disabled; a tool starts without the document; a tool without a program, or
// whose program cannot start, is reported.
TEST_F(MainWindowTest, TheToolsMenuStartsTheToolsSet)
{
    const testing_support::StandIn tool(home() + "/bin", "mapper");
    settings::SettingsStore().write(settings::user::kTool1Path, tool.path() + " --edit");
    start({writeFile("page.html", "<p>")});
    emit window->commands().menu(QStringLiteral("Tools1"))->aboutToShow();
    EXPECT_EQ(action("ToolsDefTool1")->text(), "&1 mapper");
    EXPECT_EQ(std::pair(action("ToolsDefTool3")->text(), action("ToolsDefTool3")->isEnabled()),
              std::pair(QStringLiteral("&3 User Defined Tool"), false));
    run("ToolsDefTool1Click");
    EXPECT_EQ(tool.arguments(), QStringList{"--edit"});
    run("ToolsDefTool2Click");
    settings::SettingsStore().write(settings::user::kTool3Path, home() + "/missing-program");
    run("ToolsDefTool3Click");
    EXPECT_EQ(ui.shown.size(), 2u);
}

// Help > Contents gives the manual to the desktop's viewer; when it cannot be
// shown (a viewer that finds no browser, no viewer at all, no manual), the
// author is told why and where it is.
TEST_F(MainWindowTest, HelpShowsTheManualOrSaysWhereItLies)
{
    const QString manual = writeFile("quillon.html", "<title>Manual</title>");  // this program is not tagsmith
    start();
    const testing_support::StandIn viewer(home() + "/bin", files::kHelpViewer);
    viewer.putFirstInPath();
    run("HelpContentsClick");
    EXPECT_EQ(viewer.arguments(), QStringList{manual});
    const testing_support::StandIn failing(home() + "/failing", files::kHelpViewer, 3);
    failing.putFirstInPath();
    run("HelpContentsClick");
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui.shown.size() == 1; }));
    qputenv("PATH", (home() + "/nothing").toUtf8());
    run("HelpContentsClick");
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui.shown.size() == 2; }));
    QFile::remove(manual);
    run("HelpContentsClick");
    const QStringList said = ui.texts();
    ASSERT_EQ(said.size(), 3);
    for (const auto& [i, why] : {std::pair(0, "exit code 3"), {1, "could not be started"}, {2, "found at"}}) {
        EXPECT_TRUE(said[i].contains(why) && said[i].contains(manual)) << said[i].toStdString();
        EXPECT_EQ(said[i].contains("Open " + manual + " in a web browser."), i < 2) << said[i].toStdString();
    }
}

}  // namespace
