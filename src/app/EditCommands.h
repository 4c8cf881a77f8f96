// The main window's own handlers of the Edit and Help menus.
#pragma once

namespace app {

class CommandRegistry;
class TfrmMain;

void registerEditCommands(TfrmMain& window, CommandRegistry& registry);

}  // namespace app
