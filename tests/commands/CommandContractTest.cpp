// The command contract: every handler name of the command table is registered
// by a module, so that a misspelt name fails here instead of showing a
// disabled entry; and a name the table lacks stops the program instead of
// doing nothing. (Every entry reached by its name: ShortcutsTest.)
#include <QMainWindow>
#include <QMenu>

#include "commands/CommandTable.h"
#include "support/MainWindowFixture.h"

namespace {

TEST_F(MainWindowTest, EveryCommandOfTheTableHasAHandler)
{
    start();
    for (const commands::CommandEntry& e : commands::commandTable()) {
        if (*e.command) {
            EXPECT_TRUE(window->registry().has(QString::fromLatin1(e.command))) << e.command;
        }
    }
}

TEST(CommandUi, StopsAtANameTheTableLacks)
{
    QMainWindow window;
    commands::CommandRegistry registry;
    commands::CommandUi commands(window, registry);
    commands.build();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(commands.action(QStringLiteral("ViewTagLists")), "no entry named \"ViewTagLists\"");
    EXPECT_DEATH(commands.menu(QStringLiteral("Tools")), "no menu named \"Tools\"");
    EXPECT_DEATH(commands.button(QStringLiteral("btnCustom11")), "no button named \"btnCustom11\"");
}

}  // namespace
