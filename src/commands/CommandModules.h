// The command modules: each registers the handlers of one group of commands.
// The main window calls registerAllCommands once after it is built.
#pragma once

namespace commands {

class CommandRegistry;
class CommandContext;

// EditCommands.cpp
void registerEditCommands(CommandContext& context, CommandRegistry& registry);
// TagPairCommands.cpp
void registerTagPairCommands(CommandContext& context, CommandRegistry& registry);
// FormatCommands.cpp
void registerFormatCommands(CommandContext& context, CommandRegistry& registry);
// FindCommands.cpp
void registerFindCommands(CommandContext& context, CommandRegistry& registry);
// SnippetCommands.cpp
void registerSnippetCommands(CommandContext& context, CommandRegistry& registry);
// TextToolCommands.cpp
void registerTextToolCommands(CommandContext& context, CommandRegistry& registry);
// OptionsCommands.cpp
void registerOptionsCommands(CommandContext& context, CommandRegistry& registry);
// LookCommands.cpp
void registerLookCommands(CommandContext& context, CommandRegistry& registry);
// ToolCommands.cpp
void registerToolCommands(CommandContext& context, CommandRegistry& registry);
// Printing.cpp
void registerPrintCommands(CommandContext& context, CommandRegistry& registry);
// PreviewCommands.cpp
void registerPreviewCommands(CommandContext& context, CommandRegistry& registry);
// TagDialogCommands.cpp
void registerTagDialogCommands(CommandContext& context, CommandRegistry& registry);
// CustomCommands.cpp
void registerCustomCommands(CommandContext& context, CommandRegistry& registry);
// SideCommands.cpp
void registerSideCommands(CommandContext& context, CommandRegistry& registry);
// GeneratorCommands.cpp
void registerGeneratorCommands(CommandContext& context, CommandRegistry& registry);
// Tools > Check Page, Next Problem, Previous Problem.
void registerCheckCommands(CommandContext& context, CommandRegistry& registry);

// A right click in `body` on a selected colour code (six hexadecimal digits
// followed by a double quote) opens the colour finder on that colour; true
// when it did, false when the ordinary context menu should show.
bool openFinderOnSelectedCode(CommandContext& context);  // TagDialogCommands.cpp

inline void registerAllCommands(CommandContext& context, CommandRegistry& registry)
{
    registerEditCommands(context, registry);
    registerTagPairCommands(context, registry);
    registerFormatCommands(context, registry);
    registerFindCommands(context, registry);
    registerSnippetCommands(context, registry);
    registerTextToolCommands(context, registry);
    registerOptionsCommands(context, registry);
    registerLookCommands(context, registry);
    registerToolCommands(context, registry);
    registerPrintCommands(context, registry);
    registerPreviewCommands(context, registry);
    registerTagDialogCommands(context, registry);
    registerCustomCommands(context, registry);
    registerSideCommands(context, registry);
    registerGeneratorCommands(context, registry);
    registerCheckCommands(context, registry);
}

}  // namespace commands
