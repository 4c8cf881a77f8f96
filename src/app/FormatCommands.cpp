// Handlers of the Format menu, the formatting toolbar, the hidden end-tag
// shortcuts and the entity commands.
#include "CommandModules.h"
#include "CommandRegistry.h"
#include "EditorContext.h"

namespace app {

void registerFormatCommands(EditorContext&, CommandRegistry&) {}

}  // namespace app
