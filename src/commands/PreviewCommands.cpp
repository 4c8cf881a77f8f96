// Handler of Tools > Update Web Browser (F9, the "Update Browser" button),
// also registered as "UpdateBrowser" for the commands that show a page they
// have just written: saves the document and shows it in the chosen browser.
// The "microsoft" choice is the preview browser the editor drives and closes
// with its window (files/BrowserPreview); every other choice starts the
// browser program of the options with the document (files/TNCAPI).
// View > Live Preview (Ctrl+F9, the "Live Preview" button) lets the preview
// browser follow the text as it is typed (files/LivePreview).
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "editor/BodyControl.h"
#include "editor/TextView.h"
#include "files/BrowserPreview.h"
#include "files/LivePreview.h"
#include "files/SidePanel.h"
#include "files/TNCAPI.h"
#include "interaction/Interaction.h"
#include "markup/CaretElement.h"
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

    if (settings::user::choosesDrivenBrowser(browser)) {
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

bool chromiumChosen()
{
    return settings::user::choosesDrivenBrowser(settings::SettingsStore().read(settings::user::kBrowser));
}

// Why live preview cannot run, empty when it can.
QString liveUnavailableReason()
{
    if (!chromiumChosen())
        return QStringLiteral(
            "Live preview needs the choice \"Chromium browser, kept open and reloaded in "
            "place\" of the Options dialog.");
    if (files::findChromium().isEmpty())
        return QStringLiteral(
            "Live preview needs a Chromium-family browser: none of chromium, google-chrome, "
            "microsoft-edge or chrome is on the PATH.");
    return {};
}

// What the page is to show: the text, the URL its relative URLs resolve
// against (an untitled document's is the side panel's folder) and the element
// at the caret.
files::LivePreview::Snapshot liveSnapshot(CommandContext& context)
{
    files::LivePreview::Snapshot s;
    const QString path = context.DocumentPath();
    const files::SidePanel* side = context.sidePanel();
    const QString folder = side && !side->folder().isEmpty() ? side->folder() : QDir::currentPath();
    s.baseUrl = path.isEmpty() ? files::documentUrl(QDir(folder).absolutePath() + u'/') : files::documentUrl(path);
    editor::TextView& body = context.body();
    if (body.length() > files::LivePreview::kMaxBytes) {
        s.tooLarge = true;
        return s;
    }
    const std::string text = body.text();
    s.html = QString::fromStdString(text);
    if (const auto element = markup::caretElement(text, size_t(body.caretPosition()))) {
        s.caretTag = QString::fromStdString(element->name);
        s.caretOrdinal = element->ordinal;
    }
    return s;
}

void registerLivePreview(CommandContext& context, CommandRegistry& registry, files::BrowserPreview& preview)
{
    auto* live = new files::LivePreview(
        preview, [&context] { return liveSnapshot(context); }, &preview);
    QObject::connect(live, &files::LivePreview::note, live, [&context](const QString& text) { context.notify(text); });
    // The typing goes on in the editor, not in the browser's new window
    // (which shows a moment after its page is ready).
    QObject::connect(live, &files::LivePreview::pageOpened, live, [&context] {
        QPointer<QWidget> window = context.window();
        for (int ms : {0, 300, 1000})
            QTimer::singleShot(ms, window, [window] {
                if (window && QApplication::activeWindow() != window) window->activateWindow();
            });
    });
    QObject::connect(&context.bodyControl(), &editor::BodyControl::contentChanged, live, &files::LivePreview::changed);
    QObject::connect(&context.bodyControl(), &editor::BodyControl::caretMoved, live, &files::LivePreview::changed);
    // The stored wish, in force while the Chromium-family choice can run.
    auto apply = [&context, live] {
        const QString reason = liveUnavailableReason();
        QAction* action = context.commands().action(QStringLiteral("ViewLivePreview"));
        action->setEnabled(reason.isEmpty());
        action->setStatusTip(reason);
        action->setToolTip(reason.isEmpty() ? QStringLiteral("Live Preview") : reason);
        context.commands().button(QStringLiteral("btnLivePreview"))->setToolTip(action->toolTip());
        const bool wanted = settings::SettingsStore().read(settings::window::kLivePreview);
        if (live->isOn() != (wanted && reason.isEmpty())) live->setOn(wanted && reason.isEmpty());
    };
    registry.addToggle(
        QStringLiteral("ViewLivePreviewClick"),
        [live, apply] {
            settings::SettingsStore().write(settings::window::kLivePreview, !live->isOn());
            apply();
        },
        [live] { return live->isOn(); });
    registry.onStarted(apply);
    registry.onOptionsLoaded(apply);
    registry.onDocumentReplaced([live] { live->changed(); });
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
    registerLivePreview(context, registry, *preview);
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
