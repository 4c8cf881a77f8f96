// Handler of Tools > Options.
#include "CommandModules.h"
#include "CommandRegistry.h"
#include "EditorContext.h"

namespace app {

void registerOptionsCommands(EditorContext&, CommandRegistry&) {}

}  // namespace app
