// Handlers of the Edit menu's clipboard, undo and redo entries (also on the toolbar,
// the editor's context menu and the hidden alternative shortcuts).
#include <QAction>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "editor/TextView.h"
#include "interaction/Interaction.h"

namespace commands {

void registerEditCommands(CommandContext& context, CommandRegistry& r)
{
    editor::TextView& body = context.body();
    r.add(QStringLiteral("EditUndoClick"), [&body] {
        if (!body.canUndo()) {
            interaction::ui().error(QStringLiteral("The last action cannot be undone."));
            return;
        }
        body.undo();
    });
    // Nothing to redo does nothing: there is no step to tell of.
    r.add(QStringLiteral("EditRedoClick"), [&body] {
        if (body.canRedo()) body.redo();
    });
    r.add(QStringLiteral("EditCutClick"), [&body] { body.cut(); });
    r.add(QStringLiteral("EditCopyClick"), [&body] { body.copy(); });
    r.add(QStringLiteral("EditPasteClick"), [&body] {
        body.paste();
        body.setModified(true);
    });
    r.add(QStringLiteral("EditSelectClick"), [&body] {
        body.focus();
        body.selectAll();
    });
    // The context menu's Undo follows the Undo of the Edit menu.
    CommandUi& commands = context.commands();
    r.add(QStringLiteral("pmenuPopup"), [&commands] {
        commands.action(QStringLiteral("pUndo"))->setEnabled(commands.action(QStringLiteral("EditUndo"))->isEnabled());
    });
}

}  // namespace commands
