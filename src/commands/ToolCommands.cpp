// Handlers of the Tools menu's user-defined tools and of Help > Contents; and
// Tools1Click, which prepares the Tools menu each time it opens.
#include <QAction>
#include <QCoreApplication>
#include <QWidget>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "files/UserTools.h"
#include "interaction/Interaction.h"
#include "settings/SettingsStore.h"

namespace commands {
namespace {

const files::ToolWarnings kWarnings{
    QStringLiteral("No Tool defined.  Specify in Options settings."),
    QStringLiteral("Couldn't launch Application!  Check Options to see that the path is correct.")};

// The browser entry follows the browser setting; each tool entry shows its
// tool, or stays as it was (disabled) when none is set.
void prepareToolsMenu(CommandContext& context)
{
    CommandUi& commands = context.commands();
    {
        const settings::SettingsStore store;
        commands.action(QStringLiteral("ToolsBrowser"))->setEnabled(!store.read(settings::user::kBrowser).isEmpty());
    }
    files::showToolEntries(
        [&commands](int, const files::UserTool& tool) { return commands.action(QString::fromLatin1(tool.entry)); },
        files::toolCaption);
}

void startTool(const files::UserTool& tool)
{
    // The open document is not given to the tool.
    const QString commandLine = files::toolCommandLine(tool, kWarnings);
    if (!commandLine.isEmpty()) files::launchTool(commandLine, {}, kWarnings);
}

}  // namespace

void registerToolCommands(CommandContext& context, CommandRegistry& registry)
{
    CommandContext* c = &context;
    registry.add(QStringLiteral("Tools1Click"), [c] { prepareToolsMenu(*c); });
    for (const files::UserTool& tool : files::userTools())
        registry.add(QString::fromLatin1(tool.entry) + QStringLiteral("Click"), [&tool] { startTool(tool); });
    registry.add(QStringLiteral("HelpContentsClick"), [c] {
        QObject* owner = c->window() ? static_cast<QObject*>(c->window()) : QCoreApplication::instance();
        files::showHelp(owner, [](const QString& why) { interaction::ui().warn(why); });
    });
}

}  // namespace commands
