// The life of the one document: start-up from the command line, New, Open,
// Save, Save As, the recent files, the question about unsaved changes and the
// close of the window. The document is the text of `body`, its path (empty
// while untitled), the control's modified flag and the file's format.
#pragma once

#include <QString>
#include <QStringList>

#include "storage/DeclaredCharset.h"
#include "storage/DocumentFile.h"

namespace files {
class SidePanel;
}

namespace commands {
class CommandRegistry;
class CommandUi;
}  // namespace commands

namespace editor {
class BodyControl;
}  // namespace editor

namespace app {

class WindowLayout;

enum class SaveResult { Saved, Cancelled, Failed };

// A chosen save name whose file name holds no "." gets ".html" appended.
QString withDefaultSuffix(const QString& path);
// Whether a file named on the command line is shown empty: one or two bytes
// that are all line breaks (a stray line break); anything else is kept.
bool shownEmptyAtStart(std::string_view text);
// The file-name part of a caption ending in " - Quillon Pro".
QString CaptionFileName(const QString& caption);

// What the document's life asks of the window that shows it: the caption
// that names the document, closing the window, the folder the program was
// started in, a word to the author in passing and colouring as highlighting
// says (see CommandContext). The main window implements it.
class DocumentWindow {
public:
    virtual ~DocumentWindow() = default;
    virtual QString caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual void closeWindow() = 0;
    virtual QString startFolder() const = 0;
    virtual void notify(const QString& text) = 0;
    virtual void ColourDocument() = 0;
    virtual void RecolourNearCaret(int linesBack, int extraLines) = 0;
};

// The parts of the main window the document's life works with.
struct DocumentParts {
    DocumentWindow& window;
    editor::BodyControl& body;
    // Tells the modules of a document replaced and of the close; makes new
    // documents (GenerateNewDocument).
    commands::CommandRegistry& registry;
    // The recent files' entries.
    commands::CommandUi& commands;
    // The editor font of a document read, the window's state at its close.
    WindowLayout& layout;
    // Where Save As starts, and the file list shown after a save.
    files::SidePanel& side;
};

class DocumentLifecycle {
public:
    explicit DocumentLifecycle(const DocumentParts& parts);

    void registerCommands(commands::CommandRegistry& registry);

    QString path() const { return path_; }
    const storage::DocumentFormat& format() const { return format_; }
    // The file-name part of the window's caption ("untitled.html" while untitled).
    QString CaptionFileName() const;
    // Caption := path (or "untitled.html") + " - Quillon Pro".
    void updateTitle(const QString& path);

    // Start-up: opens the file named on the command line.
    void openCommandLine(const QStringList& arguments);

    void fileNew();
    void fileOpen();
    void fileSave() { SaveDocument(true); }
    void fileSaveAs();
    SaveResult SaveDocument(bool addToRecent);
    // The open dialog; `discardOnCancel` empties the editor when the dialog is
    // cancelled (the author has already agreed to lose the text).
    void OpenDocumentDialog(bool addToRecent, bool discardOnCancel);
    void OpenRecentFile(int slot);
    // A file opened from the side panel: after the question "Save Changes to "
    // (whose Yes saves without touching the recent files), the file replaces
    // the document in the editor font. The recent files stay as they are.
    // False when the author cancelled or the file could not be read.
    bool openAsDocument(const QString& path);
    void RefreshRecentMenu();
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
    // empty path the untitled document (see CommandContext::setDocumentFile).
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

    DocumentParts parts_;
    QString path_;
    storage::DocumentFormat format_;
    storage::FileIdentity identity_;  // the file as last read or written
    storage::FileIdentity offered_;   // the change last offered for reloading
    bool askingAboutDisk_ = false;
};

}  // namespace app
