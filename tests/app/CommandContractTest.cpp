// The command contract: every handler name of the command table is registered
// by a module, but for the commands of features still being built, listed
// here. A misspelt handler name fails this test instead of showing a disabled
// entry; a feature that lands removes its names from the list.
#include <set>

#include "MainWindowFixture.h"
#include "app/CommandTable.h"

namespace {

// One name per line, so that each feature that lands takes off its own lines.
// clang-format off
const std::set<std::string> kStillToBuild = {
    // Quick Page.
    "FileQPageClick",
};
// clang-format on

TEST_F(MainWindowTest, EveryCommandOfTheTableHasAHandlerButThoseStillToBeBuilt)
{
    start();
    std::set<std::string> missing;
    for (const app::CommandEntry& e : app::commandTable()) {
        if (!*e.command) continue;
        const bool registered = window->registry().has(QString::fromLatin1(e.command));
        if (!registered) {
            missing.insert(e.command);
        } else {
            EXPECT_FALSE(kStillToBuild.count(e.command)) << e.command << " is built: take it off the list";
        }
    }
    for (const std::string& name : missing) EXPECT_TRUE(kStillToBuild.count(name)) << name << " has no handler";
}

}  // namespace
