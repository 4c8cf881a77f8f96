// The side panel's commands and the drops on the editor: a file of the list
// opened by its type (double click, "&Open"), files dropped on `body` or on
// the window turned into references, the lists' context menus (a new folder,
// Open With one of the user tools, rename, delete) and the list's Delete key.
#include <QAction>
#include <QListView>
#include <QMenu>
#include <QTreeView>
#include <memory>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "editor/BodyControl.h"
#include "editor/TextView.h"
#include "files/ByType.h"
#include "files/FileOperations.h"
#include "files/SidePanel.h"
#include "files/TFileDrag.h"
#include "files/TfrmName.h"
#include "files/UserTools.h"
#include "interaction/Interaction.h"
#include "settings/SettingsStore.h"
#include "storage/FileNames.h"

namespace commands {
namespace {

const files::ToolWarnings kToolWarnings{
    QStringLiteral("Couldn't launch Application! Check the user defined tool settings in the Options dialog."),
    QStringLiteral(
        "Couldn't launch Application!  Check Options to see that the path to your defined tool is correct.")};

class SideSession {
public:
    SideSession(CommandContext& context, files::SidePanel* panel) : context_(context), panel_(panel) {}

    // OpenByType: an image becomes its tag; any other file but the ignored
    // kinds becomes the document.
    void OpenByType(const QString& path)
    {
        if (!reachable(path)) return;
        const files::FileKind kind = files::fileKind(path, files::Arrival::Opened);
        if (kind == files::FileKind::Ignored) return refuseType(path, files::Arrival::Opened);
        if (kind == files::FileKind::Gif || kind == files::FileKind::Jpeg) {
            // Like every insertion, recoloured near the caret, which stays after the tag.
            if (!insertReference(kind, path)) return;
            body().focus();
            context_.RecolourNearCaret(1, 1);
            return;
        }
        if (!context_.openDocument(path)) return;
        body().focus();
        context_.ColourDocument();
    }

    // DropByType: an image tag, a style-sheet link or an anchor.
    void DropByType(const QString& path)
    {
        if (!reachable(path)) return;
        const files::FileKind kind = files::fileKind(path, files::Arrival::Dropped);
        if (kind == files::FileKind::Ignored) return refuseType(path, files::Arrival::Dropped);
        if (!insertReference(kind, path)) return;
        body().focus();
        context_.RecolourNearCaret(1, 1);
    }

    void openSelected()
    {
        const QString path = panel_->selectedFile();
        if (!path.isEmpty()) OpenByType(path);
    }

    // pFileMenuPopup: the file entries need a selected file.
    void prepareFileMenu()
    {
        const bool any = !panel_->selectedFile().isEmpty();
        for (const char* name : {"p3Open", "p3OpenWith", "p3Rename", "p3Delete"}) entry(name)->setEnabled(any);
    }

    // p3OpenWithClick: each tool under its name, disabled when not set.
    void prepareOpenWith()
    {
        files::showToolEntries(
            [this](int number, const files::UserTool&) { return entry(QStringLiteral("p3User%1").arg(number)); },
            [](int, const QString& commandLine, const QString& name) { return files::toolName(commandLine, name); });
    }

    // The selected file goes to the tool as one argument, whatever it holds.
    void openWith(const files::UserTool& tool)
    {
        const QString commandLine = files::toolCommandLine(tool, kToolWarnings);
        if (commandLine.isEmpty()) return;
        const QString file = panel_->selectedFile();
        if (!file.isEmpty() && !reachable(file)) return;
        files::launchTool(commandLine, file.isEmpty() ? QStringList() : QStringList{file}, kToolWarnings);
    }

    // p2CreateClick: a folder in the folder shown. Refusals are silent.
    void createFolder()
    {
        if (!reachable(panel_->folder())) return;
        files::createFolder(panel_->folder(), askName());
        panel_->refresh();
    }

    // p3RenameClick: the selected file keeps its folder.
    void renameSelected()
    {
        const QString path = panel_->selectedFile();
        if (!path.isEmpty() && !reachable(path)) return;
        const QString name = askName();
        if (!path.isEmpty()) files::renameFile(path, name);
        panel_->refresh();
    }

    // p3DeleteClick and the list's Delete key.
    void deleteSelected()
    {
        const QString path = panel_->selectedFile();
        if (path.isEmpty() || !reachable(path)) return;
        const QString question = QStringLiteral("Delete ") + storage::FileNamePart(path) + QLatin1Char('?');
        if (interaction::ui().ask(question, interaction::Buttons::YesNo) == interaction::Answer::Yes)
            files::deleteFile(path);
        panel_->refresh();
        panel_->filebox()->setFocus();
    }

    void showMenu(const char* name, QAbstractItemView* list, const QPoint& at)
    {
        context_.commands().menu(QString::fromLatin1(name))->exec(list->viewport()->mapToGlobal(at));
    }

private:
    editor::TextView& body() { return context_.body(); }

    QAction* entry(const QString& name) { return context_.commands().action(name); }

    // Whether the file the author chose in a list or dropped is reached by
    // its name exactly: a name that is not UTF-8 is shown with U+FFFD and
    // would reach another file, or none. Refused with a word to the author.
    bool reachable(const QString& path)
    {
        if (storage::namesItsFileExactly(path)) return true;
        context_.notify(storage::inexactNameNotice(path));
        return false;
    }

    // A type left alone is refused with a word, not in silence: a file that
    // does nothing when double-clicked looks like a fault.
    void refuseType(const QString& path, files::Arrival arrival)
    {
        context_.notify(
            QStringLiteral("%1 was not %2: its name holds \"%3\", a type Quillon Pro leaves alone.")
                .arg(storage::FileNamePart(path),
                     arrival == files::Arrival::Opened ? QStringLiteral("opened") : QStringLiteral("inserted"),
                     files::ignoredType(path, arrival)));
    }
    QAction* entry(const char* name) { return entry(QString::fromLatin1(name)); }

    // The name prompt, prefilled with the selected file's name (for a new
    // folder too); empty unless OK.
    QString askName()
    {
        const QPoint place = files::TfrmName::placeBeside(context_.bodyControl(), *panel_->filebox());
        files::TfrmName prompt(storage::FileNamePart(panel_->selectedFile()), place, context_.window());
        interaction::ui().runModal(prompt);
        return prompt.nameResult();
    }

    // Replaces the selection with the reference to the file; false when a
    // GIF's header cannot be read (the error is shown, nothing inserted).
    bool insertReference(files::FileKind kind, const QString& path)
    {
        files::GifSize size;
        if (kind == files::FileKind::Gif) {
            QString error;
            const std::optional<files::GifSize> read = files::readGifSize(path, &error);
            if (!read) {
                interaction::ui().error(error);
                return false;
            }
            size = *read;
        }
        QString prefix;
        {
            const settings::SettingsStore store;
            prefix = store.read(settings::user::kPreImage);
        }
        const files::Reference reference =
            files::referenceTo(kind, path, body().selectedText(), prefix, size, context_.options().tagCase);
        body().replaceSelection(reference.text);
        if (reference.caretBack > 0) body().setSelection(body().caretPosition() - reference.caretBack, 0);
        return true;
    }

    CommandContext& context_;
    files::SidePanel* panel_;
};

}  // namespace

void registerSideCommands(CommandContext& context, CommandRegistry& registry)
{
    QWidget* window = context.window();
    files::SidePanel* panel = context.sidePanel();
    auto session = std::make_shared<SideSession>(context, panel);

    // Files dropped from a file manager on the window; only the first is used.
    if (window) {
        auto* eDrag = new files::TFileDrag(window);
        eDrag->setObjectName(QStringLiteral("eDrag"));
        eDrag->setEnableDrop(true);
        QObject::connect(eDrag, &files::TFileDrag::OnDrop, eDrag, [session, eDrag] {
            if (eDrag->FileCount() > 0) session->DropByType(eDrag->NameWithPath().first());
        });
    }
    // Files dragged onto `body`, from the side panel's list or from outside.
    editor::BodyControl* editor = &context.bodyControl();
    QObject::connect(editor, &editor::BodyControl::filesDropped, editor, [session](const QStringList& paths) {
        if (!paths.isEmpty()) session->DropByType(paths.first());
    });
    if (!panel) return;

    registry.add(QStringLiteral("fileboxDblClick"), [session] { session->openSelected(); });
    registry.add(QStringLiteral("pFileMenuPopup"), [session] { session->prepareFileMenu(); });
    registry.add(QStringLiteral("p3OpenWithClick"), [session] { session->prepareOpenWith(); });
    int number = 1;
    for (const files::UserTool& tool : files::userTools())
        registry.add(QStringLiteral("p3User%1Click").arg(number++), [session, &tool] { session->openWith(tool); });
    registry.add(QStringLiteral("p2CreateClick"), [session] { session->createFolder(); });
    registry.add(QStringLiteral("p3RenameClick"), [session] { session->renameSelected(); });
    registry.add(QStringLiteral("p3DeleteClick"), [session] { session->deleteSelected(); });

    QObject::connect(panel->filebox(), &QAbstractItemView::doubleClicked, panel,
                     [session] { session->openSelected(); });
    QObject::connect(panel, &files::SidePanel::deleteKeyPressed, panel, [session] { session->deleteSelected(); });
    QObject::connect(panel->filebox(), &QWidget::customContextMenuRequested, panel,
                     [session, panel](const QPoint& at) { session->showMenu("pFileMenu", panel->filebox(), at); });
    QObject::connect(panel->dirbox(), &QWidget::customContextMenuRequested, panel,
                     [session, panel](const QPoint& at) { session->showMenu("pDirMenu", panel->dirbox(), at); });
}

}  // namespace commands
