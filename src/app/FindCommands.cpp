// Handlers of Find, Replace, Find Next (F3) and Go to line.
#include "CommandModules.h"
#include "CommandRegistry.h"
#include "EditorContext.h"

namespace app {

void registerFindCommands(EditorContext&, CommandRegistry&) {}

}  // namespace app
