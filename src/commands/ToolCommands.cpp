// Handlers of the Tools menu's user-defined tools and of Help > Contents; and
// Tools1Click, which prepares the Tools menu each time it opens.
#include <QAction>
#include <QCoreApplication>
#include <QWidget>

#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/EditorContext.h"
#include "files/UserTools.h"
#include "interaction/Interaction.h"
#include "settings/SettingsStore.h"

namespace app {
namespace {

QAction* entry(EditorContext& context, const char* name)
{
    return context.window() ? context.window()->findChild<QAction*>(QString::fromLatin1(name)) : nullptr;
}

// The browser entry follows the browser setting; each tool entry shows its
// tool, or stays as it was (disabled) when none is set.
void prepareToolsMenu(EditorContext& context)
{
    const settings::SettingsStore store;
    if (QAction* browser = entry(context, "ToolsBrowser"))
        browser->setEnabled(!store.read(settings::user::kBrowser).isEmpty());
    int number = 1;
    for (const files::UserTool& tool : files::userTools()) {
        QAction* action = entry(context, tool.entry);
        const QString caption = files::toolCaption(number++, store.read(tool.path), store.read(tool.name));
        if (!action) continue;
        action->setEnabled(!caption.isEmpty());
        if (!caption.isEmpty()) action->setText(caption);
    }
}

void startTool(const files::UserTool& tool)
{
    QString commandLine;
    {
        const settings::SettingsStore store;
        commandLine = store.read(tool.path);
    }
    if (commandLine.isEmpty()) {
        interaction::ui().warn(QStringLiteral("No Tool defined.  Specify in Options settings."));
        return;
    }
    // The open document is not given to the tool.
    if (!files::startCommandLine(commandLine))
        interaction::ui().warn(
            QStringLiteral("Couldn't launch Application!  Check Options to see that the path is correct."));
}

}  // namespace

void registerToolCommands(EditorContext& context, CommandRegistry& registry)
{
    EditorContext* c = &context;
    registry.add(QStringLiteral("Tools1Click"), [c] { prepareToolsMenu(*c); });
    for (const files::UserTool& tool : files::userTools())
        registry.add(QString::fromLatin1(tool.entry) + QStringLiteral("Click"), [&tool] { startTool(tool); });
    registry.add(QStringLiteral("HelpContentsClick"), [c] {
        QObject* owner = c->window() ? static_cast<QObject*>(c->window()) : QCoreApplication::instance();
        files::showHelp(owner, [](const QString& why) { interaction::ui().warn(why); });
    });
}

}  // namespace app
