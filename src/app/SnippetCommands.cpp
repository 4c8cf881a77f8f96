// Handlers of the snippet commands: quick snippets, form fields, the update
// stamp and text from another file.
#include "CommandModules.h"
#include "CommandRegistry.h"
#include "EditorContext.h"

namespace app {

void registerSnippetCommands(EditorContext&, CommandRegistry&) {}

}  // namespace app
