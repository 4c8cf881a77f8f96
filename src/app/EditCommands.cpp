// Handlers of the Edit menu's clipboard and undo entries (also on the toolbar,
// the editor's context menu and the hidden alternative shortcuts) and of Help.
#include "app/EditCommands.h"

#include <QAction>

#include "app/AboutBox.h"
#include "app/TfrmMain.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "editor/EditorView.h"
#include "interaction/Interaction.h"

namespace app {

void registerEditCommands(TfrmMain& w, CommandRegistry& r)
{
    EditorView& body = w.body();
    r.add(QStringLiteral("EditUndoClick"), [&body] {
        if (!body.canUndo()) {
            interaction::ui().error(QStringLiteral("The last action cannot be undone."));
            return;
        }
        body.undo();
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
    r.add(QStringLiteral("pmenuPopup"), [&w] {
        QAction* menuUndo = w.commands().action(QStringLiteral("EditUndo"));
        QAction* popupUndo = w.commands().action(QStringLiteral("pUndo"));
        if (menuUndo && popupUndo) popupUndo->setEnabled(menuUndo->isEnabled());
    });
    r.add(QStringLiteral("HelpAboutClick"), [&w] { showAboutBox(&w); });
}

}  // namespace app
