// Handler of Tools > Options: runs the Options dialog, then reloads the option
// variables whether it was confirmed or cancelled, so that every change takes
// effect at once and the variables always match the store afterwards.
#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "dialogs/TfrmOptions.h"
#include "interaction/Interaction.h"

namespace commands {

void registerOptionsCommands(CommandContext& context, CommandRegistry& registry)
{
    registry.add(QStringLiteral("ToolsOptionsClick"), [&context] {
        {
            dialogs::TfrmOptions dialog(context.window());
            interaction::ui().runModal(dialog);
        }
        context.LoadOptions();
    });
}

}  // namespace commands
