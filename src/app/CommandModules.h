// The command modules: each registers the handlers of one group of commands.
// The main window calls registerAllCommands once after it is built.
#pragma once

namespace app {

class CommandRegistry;
class EditorContext;

void registerFormatCommands(EditorContext& context, CommandRegistry& registry);    // FormatCommands.cpp
void registerFindCommands(EditorContext& context, CommandRegistry& registry);      // FindCommands.cpp
void registerSnippetCommands(EditorContext& context, CommandRegistry& registry);   // SnippetCommands.cpp
void registerTextToolCommands(EditorContext& context, CommandRegistry& registry);  // TextToolCommands.cpp
void registerOptionsCommands(EditorContext& context, CommandRegistry& registry);   // OptionsCommands.cpp
void registerToolCommands(EditorContext& context, CommandRegistry& registry);      // ToolCommands.cpp
void registerPrintCommands(EditorContext& context, CommandRegistry& registry);     // Printing.cpp
void registerPreviewCommands(EditorContext& context, CommandRegistry& registry);   // PreviewCommands.cpp
void registerCustomCommands(EditorContext& context, CommandRegistry& registry);    // CustomCommands.cpp

inline void registerAllCommands(EditorContext& context, CommandRegistry& registry)
{
    registerFormatCommands(context, registry);
    registerFindCommands(context, registry);
    registerSnippetCommands(context, registry);
    registerTextToolCommands(context, registry);
    registerOptionsCommands(context, registry);
    registerToolCommands(context, registry);
    registerPrintCommands(context, registry);
    registerPreviewCommands(context, registry);
    registerCustomCommands(context, registry);
}

}  // namespace app
