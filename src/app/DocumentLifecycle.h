// The life of the one document: start-up from the command line, New, Open,
// Save, Save As, the recent files, the question about unsaved changes and the
// close of the window. The document is the text of `body`, its path (empty
// while untitled), the control's modified flag and the file's format.
#pragma once

#include <QString>
#include <QStringList>

#include "storage/DeclaredCharset.h"
#include "storage/DocumentFile.h"

namespace app {

class CommandRegistry;
class TfrmMain;

enum class SaveResult { Saved, Cancelled, Failed };

// A chosen save name whose file name holds no "." gets ".html" appended.
QString withDefaultSuffix(const QString& path);
// Whether a file named on the command line is shown empty: one or two bytes
// that are all line breaks (a stray line break); anything else is kept.
bool shownEmptyAtStart(std::string_view text);
// The file-name part of a caption ending in " - Quillon Pro".
QString captionFileName(const QString& caption);

class DocumentLifecycle {
public:
    explicit DocumentLifecycle(TfrmMain& window);

    void registerCommands(CommandRegistry& registry);

    QString path() const { return path_; }
    const storage::DocumentFormat& format() const { return format_; }
    // The file-name part of the window's caption ("untitled.html" while untitled).
    QString captionFileName() const;
    // Caption := path (or "untitled.html") + " - Quillon Pro".
    void updateTitle(const QString& path);

    // Start-up: opens the file named on the command line.
    void openCommandLine(const QStringList& arguments);

    void fileNew();
    void fileOpen();
    void fileSave() { saveDocument(true); }
    void fileSaveAs();
    SaveResult saveDocument(bool addToRecent);
    // The open dialog; `discardOnCancel` empties the editor when the dialog is
    // cancelled (the author has already agreed to lose the text).
    void openDocumentDialog(bool addToRecent, bool discardOnCancel);
    void openRecentFile(int slot);
    // A file opened from the side panel: after the question "Save Changes to "
    // (whose Yes saves without touching the recent files), the file replaces
    // the document in the editor font. The recent files stay as they are.
    // False when the author cancelled or the file could not be read.
    bool openAsDocument(const QString& path);
    void refreshRecentMenu();
    // The close of the window; false keeps it open.
    bool closeQuery();
    // When the window is active again: a file another program changed while
    // the document has no unsaved changes is offered for reloading, once per
    // change (a modified document is asked about at its next save).
    void offerReload();

    // The question about unsaved changes, asked only when the text is
    // modified; true to go on. A Yes whose save does not write the file
    // abandons the command, so unsaved text is never thrown away.
    bool askToSave(const QString& beginning, bool addToRecent = true);
    // A recovered text becomes the document, modified, under its file's name
    // (or untitled) in that file's format.
    void restore(const QString& path, const storage::DocumentFormat& format, std::string_view text);
    // A file for the document without showing it in the caption, or with an
    // empty path the untitled document (see EditorContext::setDocumentFile).
    void setFile(const QString& path, const storage::DocumentFormat& format);

private:
    // Reads the file first and replaces the text only when that succeeded;
    // otherwise shows the system's error and leaves the document as it was.
    bool load(const QString& path);
    // Puts a whole document into the editor.
    void show(std::string_view text);
    // Writes the text to `path` in the document's format, asking first when a
    // Windows-1252 or codec document holds a character that needs UTF-8. A
    // folder where the save cannot make its file is named, with the offer to
    // save elsewhere (*elsewhere: taken).
    SaveResult write(const QString& path, bool* elsewhere);
    // Save As: asks for a new name; a cancelled or failed save keeps the name.
    SaveResult saveElsewhere(bool addToRecent);
    // Before a save over the document's file: when another program changed
    // or replaced it, whether to overwrite it (0), save elsewhere (1) or
    // cancel (2).
    int confirmOverwrite();
    // The document's file read again, the caret kept on its line.
    void reload();
    // Makes the page declare UTF-8, as one undoable edit in the editor.
    void declareUtf8(const storage::Redeclaration& edit);
    void becomeUntitled();

    TfrmMain& w_;
    QString path_;
    storage::DocumentFormat format_;
    storage::FileIdentity identity_;  // the file as last read or written
    storage::FileIdentity offered_;   // the change last offered for reloading
    bool askingAboutDisk_ = false;
};

}  // namespace app
