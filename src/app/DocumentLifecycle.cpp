#include "app/DocumentLifecycle.h"

#include "cli/CommandLine.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "app/RecentFiles.h"
#include "app/WindowLayout.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "editor/BodyControl.h"
#include "editor/LargeBlocks.h"
#include "files/SidePanel.h"
#include "interaction/Captions.h"
#include "interaction/Interaction.h"
#include "settings/SettingsStore.h"
#include "storage/FileNames.h"

namespace app {
namespace {

const QString kSuffix = QString::fromLatin1(interaction::TitleSuffix);
const QString kUntitled = QString::fromLatin1(interaction::kUntitled);

QStringList openFilters()
{
    return {QStringLiteral("HyperText Documents (*.html *.htm *.shtml)"),
            QStringLiteral("Text Documents (*.txt *.text)"), QStringLiteral("All files (*)")};
}

QStringList saveFilters()
{
    return {QStringLiteral("HyperText Document (*.html *.htm *.shtml)")};
}

// What happened to the document's file on disk, for the questions about it.
QString changeOnDisk(const QString& path, const storage::FileIdentity& now)
{
    if (now.link)
        return QStringLiteral(
                   "\"%1\" was replaced by a symbolic link to \"%2\" after it was opened or last saved here.")
            .arg(path, QFileInfo(path).symLinkTarget());
    return QStringLiteral("\"%1\" was changed by another program after it was opened or last saved here.").arg(path);
}

// Where the author is: the selection and the first line shown, put back
// after an edit elsewhere (the edit and its undo both move them).
struct Place {
    markup::Pos from = 0, to = 0;
    int firstLine = 0;
};

Place placeIn(const editor::TextView& body)
{
    return {body.selectionStart(), body.selectionStart() + body.selectionLength(), body.firstVisibleDocumentLine()};
}

void goBack(editor::TextView& body, const Place& place)
{
    body.setSelection(place.from, place.to - place.from);
    body.scrollToDocumentLine(place.firstLine);
}

}  // namespace

QString withDefaultSuffix(const QString& path)
{
    // Only the file name decides: folders such as example.com/ hold dots.
    return storage::FileNamePart(path).contains(QLatin1Char('.')) ? path : path + QStringLiteral(".html");
}

bool shownEmptyAtStart(std::string_view text)
{
    return !text.empty() && text.size() < 3 && text.find_first_not_of("\r\n") == std::string_view::npos;
}

QString CaptionFileName(const QString& caption)
{
    QString text = caption;
    if (text.endsWith(kSuffix)) text.chop(kSuffix.size());
    return storage::FileNamePart(text);
}

DocumentLifecycle::DocumentLifecycle(const DocumentParts& parts) : parts_(parts) {}

void DocumentLifecycle::registerCommands(commands::CommandRegistry& registry)
{
    registry.add(QStringLiteral("FileNewClick"), [this] { fileNew(); });
    registry.add(QStringLiteral("FileOpenClick"), [this] { fileOpen(); });
    registry.add(QStringLiteral("FileSaveClick"), [this] { fileSave(); });
    registry.add(QStringLiteral("FileSaveAsClick"), [this] { fileSaveAs(); });
    registry.add(QStringLiteral("FileExitClick"), [this] { parts_.window.closeWindow(); });
    for (int i = 0; i < kRecentSlots; ++i)
        registry.add(QStringLiteral("mru%1Click").arg(i + 1), [this, i] { OpenRecentFile(i); });
}

QString DocumentLifecycle::CaptionFileName() const
{
    return app::CaptionFileName(parts_.window.caption());
}

void DocumentLifecycle::updateTitle(const QString& path)
{
    parts_.window.setCaption((path.isEmpty() ? kUntitled : path) + kSuffix);
}

void DocumentLifecycle::becomeUntitled()
{
    path_.clear();
    format_ = storage::DocumentFormat();
    identity_ = offered_ = {};
    updateTitle(QString());
}

void DocumentLifecycle::setFile(const QString& path, const storage::DocumentFormat& format)
{
    if (path.isEmpty()) return becomeUntitled();
    path_ = path;
    format_ = format;
    identity_ = storage::identityOf(path);
}

bool DocumentLifecycle::load(const QString& path)
{
    // Read straight into the control, piece by piece (at start-up already
    // while the window was built): the text is never held twice. The file's
    // identity is taken first, so that a change during the reading is found
    // at the next check rather than missed.
    storage::DocumentFormat format;
    storage::FileIdentity identity = storage::identityOf(path);
    QString error;
    if (!parts_.body.loadPreloaded(path, &format, &identity) && !parts_.body.loadPieces([&](storage::TextSink& sink) {
            return storage::readDocumentFile(path, &format, sink, &error);
        })) {
        interaction::ui().error(storage::openFailure(path, error));
        return false;
    }
    // Freed memory is kept in proportion to the document (app/LargeBlocks).
    editor::keepFreedMemoryFor(static_cast<size_t>(parts_.body.length()));
    format_ = format;
    identity_ = identity;
    offered_ = {};
    // A declared encoding that was not followed is said once, without
    // stopping the author: the text is whole and is written back as read.
    if (const QString notice = storage::declarationNotice(format); !notice.isEmpty()) parts_.window.notify(notice);
    return true;
}

void DocumentLifecycle::show(std::string_view text)
{
    parts_.body.loadText(text);
    // Freed memory is kept in proportion to the document (app/LargeBlocks).
    editor::keepFreedMemoryFor(text.size());
}

SaveResult DocumentLifecycle::write(const QString& path, bool* elsewhere)
{
    storage::DocumentFormat format = format_;
    std::optional<storage::Redeclaration> redeclared;
    const Place before = placeIn(parts_.body);
    // A file in an 8-bit or other encoding that now holds a character the
    // encoding has no code for can still be kept: as UTF-8, when the author
    // agrees. Its declaration then says UTF-8, or the file would be read
    // back in the old encoding.
    if (const auto bad = storage::firstUnencodable(parts_.body.characters(), format)) {
        redeclared = storage::declareUtf8(parts_.body.characters());
        QString question =
            QStringLiteral("This document cannot be stored as %3 (first: %1 at line %2). Save it as UTF-8?")
                .arg(storage::describeCharacter(bad->codePoint), QString::number(bad->line),
                     storage::encodingName(format));
        if (redeclared) {
            question.chop(1);
            question +=
                QStringLiteral(", and change its declared encoding \"%1\" to \"%2\"?")
                    .arg(QString::fromStdString(redeclared->oldName), QString::fromStdString(redeclared->newName));
        }
        if (interaction::ui().ask(question, interaction::Buttons::YesNo) != interaction::Answer::Yes)
            return SaveResult::Cancelled;
        format.encoding = storage::Encoding::Utf8;
        format.charset.clear();
        if (redeclared) declareUtf8(*redeclared);
    }
    QString error;
    storage::SaveOutcome outcome;
    if (!storage::saveDocumentFile(path, parts_.body.characters(), format, &error, &outcome)) {
        // The document stays as it was, its declaration included.
        if (redeclared) {
            parts_.body.undo();
            goBack(parts_.body, before);
        }
        if (!outcome.folderRefused) {
            interaction::ui().error(storage::saveFailure(path, error));
        } else {
            // The file itself may be writable: the way out is another folder.
            const QStringList buttons = {QStringLiteral("Save As..."), QStringLiteral("Cancel")};
            *elsewhere = interaction::ui().choose(storage::saveFailure(path, error), buttons, 0, 1) == 0;
        }
        return SaveResult::Failed;
    }
    format_ = format;
    identity_ = outcome.written;
    offered_ = {};
    return SaveResult::Saved;
}

void DocumentLifecycle::declareUtf8(const storage::Redeclaration& edit)
{
    editor::TextView& body = parts_.body;
    const auto start = static_cast<markup::Pos>(edit.offset);
    const auto end = start + static_cast<markup::Pos>(edit.length);
    const auto growth = static_cast<markup::Pos>(edit.replacement.size()) - (end - start);
    // The selection stays on the same text.
    const auto moved = [&](markup::Pos p) { return p >= end ? p + growth : std::min(p, start); };
    Place place = placeIn(body);
    place.from = moved(place.from);
    place.to = moved(place.to);
    body.setSelection(start, end - start);
    body.replaceSelection(edit.replacement);  // one undoable edit
    parts_.window.RecolourNearCaret(body.lineFromPosition(body.caretPosition()) - body.lineFromPosition(start), 0);
    goBack(body, place);
}

bool DocumentLifecycle::askToSave(const QString& beginning, bool addToRecent)
{
    if (!parts_.body.isModified()) return true;
    switch (
        interaction::ui().ask(beginning + CaptionFileName() + QLatin1Char('?'), interaction::Buttons::YesNoCancel)) {
        case interaction::Answer::Yes:
            return SaveDocument(addToRecent) == SaveResult::Saved;
        case interaction::Answer::No:
            return true;
        default:
            return false;
    }
}

void DocumentLifecycle::openCommandLine(const QStringList& arguments)
{
    const QString path = cli::commandLinePath(arguments, parts_.window.startFolder());
    if (path.isEmpty()) return;
    if (!QFileInfo::exists(path) || !storage::namesItsFileExactly(path)) {
        interaction::ui().error(QStringLiteral("Quillon Pro can't find ") + path);
        return;
    }
    // A file that cannot be read leaves the empty untitled document.
    if (!load(path)) return;
    path_ = path;
    updateTitle(path);
    parts_.body.setModified(false);
}

void DocumentLifecycle::fileNew()
{
    // The name goes first, so that a Yes below always asks for a file name;
    // a command abandoned at the question keeps the name it had.
    const QString before = path_;
    path_.clear();
    if (!askToSave(QStringLiteral("Save changes to "))) {
        if (path_.isEmpty()) path_ = before;
        return;
    }
    show({});
    becomeUntitled();
    parts_.registry.documentReplaced();
    // The new-document dialog and its templates; the document they leave
    // takes the editor font and is coloured here.
    parts_.registry.run(QStringLiteral("GenerateNewDocument"));
    parts_.layout.ApplyEditorFont();
    parts_.window.ColourDocument();
}

void DocumentLifecycle::fileOpen()
{
    const bool modified = parts_.body.isModified();
    if (!askToSave(QStringLiteral("Save Changes to "))) return;
    OpenDocumentDialog(true, modified);
}

void DocumentLifecycle::OpenDocumentDialog(bool addToRecent, bool discardOnCancel)
{
    settings::SettingsStore store;
    QString folder = store.read(settings::user::kLastDir);
    store.close();
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    const QString chosen = interaction::ui().openFileName(QStringLiteral("Browse"), folder, openFilters());
    if (chosen.isEmpty()) {
        if (discardOnCancel) {
            // The author agreed to lose the text: the editor is emptied, and it
            // must not keep the old file's name, or a Save would overwrite that
            // file with nothing.
            show({});
            becomeUntitled();
            parts_.registry.documentReplaced();
        }
        return;
    }
    parts_.layout.ApplyEditorFont();
    if (!load(chosen)) return;
    if (addToRecent) {
        AddRecentFile(chosen);
        RefreshRecentMenu();
    }
    updateTitle(chosen);
    path_ = chosen;
    parts_.registry.documentReplaced();
    parts_.body.setModified(false);
    parts_.body.focus();
    const qsizetype slash = chosen.lastIndexOf(QLatin1Char('/'));
    settings::SettingsStore out;
    out.write(settings::user::kLastDir, slash > 0 ? chosen.left(slash) : QString());
    out.close();
    parts_.window.ColourDocument();
}

void DocumentLifecycle::fileSaveAs()
{
    saveElsewhere(true);
    if (!path_.isEmpty()) parts_.side.setFolder(QFileInfo(path_).absolutePath());
}

SaveResult DocumentLifecycle::saveElsewhere(bool addToRecent)
{
    // Cleared so that the save asks for a name; a cancelled or failed save
    // leaves the document with the name it had.
    const QString before = path_;
    path_.clear();
    const SaveResult result = SaveDocument(addToRecent);
    if (result != SaveResult::Saved) path_ = before;
    return result;
}

int DocumentLifecycle::confirmOverwrite()
{
    const storage::FileIdentity now = storage::identityOf(path_);
    if (!storage::changedOnDisk(identity_, now)) return 0;
    const QString consequence = now.link ? QStringLiteral("Saving now would overwrite \"%1\" with this document.")
                                               .arg(QFileInfo(path_).symLinkTarget())
                                         : QStringLiteral("Saving now would replace that version with this document.");
    const QStringList buttons = {QStringLiteral("Overwrite"), QStringLiteral("Save As..."), QStringLiteral("Cancel")};
    return interaction::ui().choose(changeOnDisk(path_, now) + QLatin1Char('\n') + consequence, buttons, 2, 2);
}

SaveResult DocumentLifecycle::SaveDocument(bool addToRecent)
{
    QString path = path_;
    if (!path.isEmpty()) {
        // Another program's version of the file is never replaced unasked.
        switch (confirmOverwrite()) {
            case 0:
                break;
            case 1:
                return saveElsewhere(addToRecent);
            default:
                return SaveResult::Cancelled;
        }
    } else {
        const QString chosen =
            interaction::ui().saveFileName(QStringLiteral("Save As"), parts_.side.folder(), kUntitled, saveFilters());
        if (chosen.isEmpty()) return SaveResult::Cancelled;
        path = withDefaultSuffix(chosen);
        if (QFileInfo::exists(path)) {
            const QString question = path + QStringLiteral("\rThis file already exists.\n\rReplace existing file?");
            if (interaction::ui().ask(question, interaction::Buttons::YesNo, interaction::Answer::No) !=
                interaction::Answer::Yes)
                return SaveResult::Cancelled;
        }
    }
    bool elsewhere = false;
    if (const SaveResult written = write(path, &elsewhere); written != SaveResult::Saved)
        return elsewhere ? saveElsewhere(addToRecent) : written;
    if (path != path_) {
        path_ = path;
        updateTitle(path);
    }
    if (addToRecent) {
        AddRecentFile(path);
        RefreshRecentMenu();
    }
    parts_.body.setModified(false);
    parts_.side.refresh();
    return SaveResult::Saved;
}

void DocumentLifecycle::offerReload()
{
    if (askingAboutDisk_ || path_.isEmpty() || parts_.body.isModified()) return;
    const storage::FileIdentity now = storage::identityOf(path_);
    if (!storage::changedOnDisk(identity_, now) || now == offered_) return;
    offered_ = now;
    askingAboutDisk_ = true;
    const int choice = interaction::ui().choose(
        changeOnDisk(path_, now) + QStringLiteral("\nThis document has no unsaved changes. Reload it from the file?"),
        {QStringLiteral("Reload"), QStringLiteral("Keep This Text")}, 0, 1);
    askingAboutDisk_ = false;
    if (choice == 0)
        reload();
    else
        identity_ = now;  // the author has seen this version: a save replaces it unasked
}

void DocumentLifecycle::reload()
{
    editor::TextView& body = parts_.body;
    const int line = body.lineFromPosition(body.caretPosition());
    const int top = body.firstVisibleDocumentLine();
    if (!load(path_)) return;
    body.setModified(false);
    body.setSelection(body.lineStart(std::min(line, body.lineCount() - 1)), 0);
    body.scrollToDocumentLine(top);
    parts_.window.ColourDocument();
}

void DocumentLifecycle::RefreshRecentMenu()
{
    const RecentSlots paths = recentMenuSlots();
    bool any = false;
    for (int i = 0; i < kRecentSlots; ++i) {
        QAction* entry = parts_.commands.action(QStringLiteral("mru%1").arg(i + 1));
        if (!entry) continue;
        entry->setText(recentCaption(i, paths[i]));
        entry->setData(paths[i]);
        entry->setVisible(!paths[i].isEmpty());
        any = any || !paths[i].isEmpty();
    }
    if (QAction* line = parts_.commands.action(QStringLiteral("mruline"))) line->setVisible(any);
}

void DocumentLifecycle::OpenRecentFile(int slot)
{
    QAction* entry = parts_.commands.action(QStringLiteral("mru%1").arg(slot + 1));
    const QString path = entry ? entry->data().toString() : QString();
    if (path.isEmpty()) return;
    if (!QFileInfo::exists(path)) {
        interaction::ui().error(QStringLiteral("Can't find \"%1\". Check to see that the path is correct.").arg(path));
        return;
    }
    if (!askToSave(QStringLiteral("Save changes to "))) return;
    if (!load(path)) return;
    path_ = path;
    updateTitle(path);
    parts_.registry.documentReplaced();
    parts_.body.setModified(false);
    parts_.window.ColourDocument();
}

bool DocumentLifecycle::openAsDocument(const QString& path)
{
    if (!askToSave(QStringLiteral("Save Changes to "), false)) return false;
    parts_.layout.ApplyEditorFont();
    if (!load(path)) return false;
    path_ = path;
    updateTitle(path);
    parts_.registry.documentReplaced();
    parts_.body.setModified(false);
    return true;
}

void DocumentLifecycle::restore(const QString& path, const storage::DocumentFormat& format, std::string_view text)
{
    show(text);
    // The file as it is now is the one the recovered text replaces.
    setFile(path, format);
    updateTitle(path);
    parts_.registry.documentReplaced();
    parts_.body.setModified(true);
    parts_.window.ColourDocument();
}

bool DocumentLifecycle::closeQuery()
{
    // The window's state is stored first, also when the author then cancels.
    parts_.layout.storeState();
    if (parts_.body.isModified()) {
        if (!askToSave(QStringLiteral("Save changes to "))) return false;
        show({});
    }
    settings::eraseEarlierVersions();
    parts_.registry.windowClosing();
    return true;
}

}  // namespace app
