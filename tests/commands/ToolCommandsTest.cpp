// Help > Contents through the main window: the manual started, and the
// warnings. (The user tools: SideCommandsTest.)
#include "files/UserTools.h"
#include "support/MainWindowFixture.h"
#include "support/StandIn.h"

namespace {

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
