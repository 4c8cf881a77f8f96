// Handler of Tools > Update Web Browser (F9, the "Update Browser" button),
// also registered as "UpdateBrowser" for the commands that show a page they
// have just written: saves the document and shows it in the chosen browser.
// The "microsoft" choice is the preview browser the editor drives and closes
// with its window (files/BrowserPreview); every other choice starts the
// browser program of the options with the document (files/TNCAPI).
#include <QPointer>
#include <QWidget>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "files/BrowserPreview.h"
#include "files/TNCAPI.h"
#include "interaction/Interaction.h"
#include "settings/SettingsStore.h"

namespace commands {
namespace {

void UpdateBrowser(CommandContext& context, files::BrowserPreview& preview)
{
    if (context.DocumentPath().isEmpty() &&
        interaction::ui().ask(QStringLiteral("You haven't saved the file, launch browser anyway?"),
                              interaction::Buttons::YesNo) != interaction::Answer::Yes)
        return;
    // A cancelled save dialog leaves the document untitled: nothing to load.
    context.SaveDocument(false);
    const QString path = context.DocumentPath();

    settings::SettingsStore store;
    const QString browser = store.read(settings::user::kBrowser);
    const QString program = store.read(settings::user::kNsPath);
    store.close();

    if (browser.toLower() == QLatin1String("microsoft")) {
        preview.show(path);
        return;
    }
    files::TNCAPI ncapi(program);
    // The desktop's opener cannot be brought forward without a file: started
    // bare it would only print its usage where nobody sees it.
    if (path.isEmpty() && ncapi.needsDocument()) {
        context.notify(QStringLiteral("The document must be saved to be shown in the browser."));
        return;
    }
    const QString reply = path.isEmpty() ? ncapi.Activate() : ncapi.OpenURL(path);
    if (reply.isEmpty())
        interaction::ui().warn(
            QStringLiteral("Couldn't launch Netscape!  Check Options to see that the path is correct."));
}

}  // namespace

void registerPreviewCommands(CommandContext& context, CommandRegistry& registry)
{
    QPointer<files::BrowserPreview> preview = new files::BrowserPreview(context.window());
    QObject::connect(preview, &files::BrowserPreview::failed, preview,
                     [](const QString& message) { interaction::ui().error(message); });
    auto update = [&context, preview] {
        if (preview) UpdateBrowser(context, *preview);
    };
    registry.add(QStringLiteral("ToolsBrowserClick"), update);
    registry.add(QStringLiteral("UpdateBrowser"), update);
    // An editor that was killed left its browser's profile behind.
    registry.onStarted([preview] {
        if (preview) preview->sweepStaleProfiles();
    });
    // The browser the preview started closes with the editor.
    registry.onWindowClosing([preview] {
        if (preview) preview->close();
    });
}

}  // namespace commands
