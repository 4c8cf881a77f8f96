// The command modules: each registers the handlers of one group of commands.
// The main window calls registerAllCommands once after it is built.
#pragma once

namespace app {

class CommandRegistry;
class EditorContext;

// EditCommands.cpp
void registerEditCommands(EditorContext& context, CommandRegistry& registry);
// FormatCommands.cpp
void registerFormatCommands(EditorContext& context, CommandRegistry& registry);
// FindCommands.cpp
void registerFindCommands(EditorContext& context, CommandRegistry& registry);
// SnippetCommands.cpp
void registerSnippetCommands(EditorContext& context, CommandRegistry& registry);
// TextToolCommands.cpp
void registerTextToolCommands(EditorContext& context, CommandRegistry& registry);
// OptionsCommands.cpp
void registerOptionsCommands(EditorContext& context, CommandRegistry& registry);
// ToolCommands.cpp
void registerToolCommands(EditorContext& context, CommandRegistry& registry);
// Printing.cpp
void registerPrintCommands(EditorContext& context, CommandRegistry& registry);
// PreviewCommands.cpp
void registerPreviewCommands(EditorContext& context, CommandRegistry& registry);
// TagDialogCommands.cpp
void registerTagDialogCommands(EditorContext& context, CommandRegistry& registry);
// CustomCommands.cpp
void registerCustomCommands(EditorContext& context, CommandRegistry& registry);
// SideCommands.cpp
void registerSideCommands(EditorContext& context, CommandRegistry& registry);
// GeneratorCommands.cpp
void registerGeneratorCommands(EditorContext& context, CommandRegistry& registry);

// A right click in `body` on a selected colour code (six hexadecimal digits
// followed by a double quote) opens the colour finder on that colour; true
// when it did, false when the ordinary context menu should show.
bool openFinderOnSelectedCode(EditorContext& context);  // TagDialogCommands.cpp

inline void registerAllCommands(EditorContext& context, CommandRegistry& registry)
{
    registerEditCommands(context, registry);
    registerFormatCommands(context, registry);
    registerFindCommands(context, registry);
    registerSnippetCommands(context, registry);
    registerTextToolCommands(context, registry);
    registerOptionsCommands(context, registry);
    registerToolCommands(context, registry);
    registerPrintCommands(context, registry);
    registerPreviewCommands(context, registry);
    registerTagDialogCommands(context, registry);
    registerCustomCommands(context, registry);
    registerSideCommands(context, registry);
    registerGeneratorCommands(context, registry);
}

}  // namespace app
