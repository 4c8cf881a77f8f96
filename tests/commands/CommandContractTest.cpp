// The command contract: every handler name of the command table is registered
// by a module, so that a misspelt name fails here instead of showing a
// disabled entry; and every part the table builds is reached by its name,
// while a name the table lacks stops the program instead of doing nothing.
#include <QMainWindow>
#include <QMenu>
#include <QToolButton>

#include "commands/CommandTable.h"
#include "dialogs/ColorGrid.h"
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

TEST(CommandUi, ReachesEveryPartByItsTableNameAndStopsAtAnUnknownName)
{
    QMainWindow window;
    commands::CommandRegistry registry;
    commands::CommandUi commands(window, registry);
    commands.build();
    for (const commands::CommandEntry& e : commands::commandTable()) {
        const QString name = QString::fromLatin1(e.name);
        if (e.flags & commands::kMenu) {
            EXPECT_EQ(commands.menu(name)->menuAction(), commands.action(name)) << e.name;
        } else if (*e.name) {
            EXPECT_EQ(commands.action(name)->objectName(), name);
        }
    }
    for (const auto& bar : {commands::standardBarButtons(), commands::formatBarButtons(), commands::customBarButtons()})
        for (const char* button : bar) {
            QWidget* part = std::strcmp(button, commands::kColorGridName) == 0
                                ? static_cast<QWidget*>(commands.colorGrid())
                                : commands.button(QString::fromLatin1(button));
            EXPECT_EQ(part->objectName(), QString::fromLatin1(button));
        }

    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(commands.action(QStringLiteral("ViewTagLists")), "no entry named \"ViewTagLists\"");
    EXPECT_DEATH(commands.menu(QStringLiteral("Tools")), "no menu named \"Tools\"");
    EXPECT_DEATH(commands.button(QStringLiteral("btnCustom11")), "no button named \"btnCustom11\"");
}

}  // namespace
