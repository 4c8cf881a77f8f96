// Handlers of the whole-document text tools: tag case, tag removal, entities
// and the line tools.
#include "CommandModules.h"
#include "CommandRegistry.h"
#include "EditorContext.h"

namespace app {

void registerTextToolCommands(EditorContext&, CommandRegistry&) {}

}  // namespace app
