// The command contract: every handler name of the command table is registered
// by a module, so that a misspelt name fails here instead of showing a
// disabled entry.
#include "commands/CommandTable.h"
#include "support/MainWindowFixture.h"

namespace {

TEST_F(MainWindowTest, EveryCommandOfTheTableHasAHandler)
{
    start();
    for (const app::CommandEntry& e : app::commandTable()) {
        if (*e.command) {
            EXPECT_TRUE(window->registry().has(QString::fromLatin1(e.command))) << e.command;
        }
    }
}

}  // namespace
