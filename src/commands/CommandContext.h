// What a command module may use of the main window: the editing control, the
// option variables, highlighting, the key-state flags, the wait caption and the
// document. TfrmMain implements it; tests may use a small fake.
#pragma once

#include <QString>

#include "markup/KeyFlags.h"
#include "markup/TagEngine.h"
#include "settings/Options.h"
#include "storage/DocumentFile.h"

class QWidget;

namespace files {
class SidePanel;
}

namespace editor {
class BodyControl;
class BodyControl;
class TextView;
}  // namespace editor

namespace commands {

class CommandUi;

class CommandContext {
public:
    virtual ~CommandContext() = default;

    // The editing control, through the editor port and its view operations.
    virtual editor::TextView& body() = 0;
    // The same control as a widget: its signals and its place on the screen.
    virtual editor::BodyControl& bodyControl() = 0;
    virtual QWidget* window() = 0;
    // The menus, entries and toolbar buttons the command table built, each
    // reached by its name in the table (a name the table lacks stops the
    // program at once, see CommandUi).
    virtual CommandUi& commands() = 0;
    // The side panel; nullptr in a window without one (the stand-ins of the
    // tests and benchmarks).
    virtual files::SidePanel* sidePanel() = 0;

    // The option variables as LoadOptions last read them, and a fresh read.
    virtual const settings::Options& options() const = 0;
    virtual void LoadOptions() = 0;

    // Highlighting: recolour calls do nothing while it is off.
    virtual bool HighlightingOn() const = 0;
    virtual void setHighlightingOn(bool on) = 0;
    virtual void RecolourNearCaret(int linesBack, int extraLines) = 0;
    virtual void ColourDocument() = 0;

    virtual markup::KeyFlags& keyFlags() = 0;

    // A wait text in the caption and the wait cursor for a long pass; end
    // restores both. Prefer the WaitCaption guard below.
    virtual void beginWait(const QString& caption) = 0;
    virtual void endWait() = 0;
    // Tells the author something that needs no answer: for a while in the
    // status bar, or in an information box while the bar is hidden.
    virtual void notify(const QString& text) = 0;

    // The document: its path (empty while untitled) and the save routine.
    virtual QString DocumentPath() const = 0;
    virtual bool SaveDocument(bool addToRecent) = 0;
    // Opens the file at `path` as the document in place of the text, after the
    // question about unsaved changes ("Save Changes to "); the recent files
    // are left alone. False when the author cancelled or the file could not be
    // read (the error was shown and the document is as it was).
    virtual bool openDocument(const QString& path) = 0;
    // Before a command discards the text: "Save changes to <name>?", asked
    // only when the text is modified; false when the author cancelled or a Yes
    // did not save (then nothing has changed).
    virtual bool askToSaveChanges() = 0;
    // Gives the document a file written in `format` while the caption stays
    // as it is (a page the editor wrote for itself and now shows), or, with an
    // empty path, makes it untitled again: no file, the format of new
    // documents and the untitled caption.
    virtual void setDocumentFile(const QString& path, const storage::DocumentFormat& format) = 0;
};

// Shows a wait caption and cursor for the lifetime of the guard.
class WaitCaption {
public:
    WaitCaption(CommandContext& context, const QString& caption) : context_(context) { context_.beginWait(caption); }
    ~WaitCaption() { context_.endWait(); }
    WaitCaption(const WaitCaption&) = delete;
    WaitCaption& operator=(const WaitCaption&) = delete;

private:
    CommandContext& context_;
};

// The caption shown while the whole document is coloured.
inline constexpr const char* kColourizingCaption = "Colorizing - Please wait...";

// Colours every tag of the document with the wait caption and the wait cursor
// shown meanwhile: what CommandContext::ColourDocument runs while highlighting
// is on. The caret goes to the start of the document and the modified flag is
// left as it was.
void colourDocumentWithWait(CommandContext& context);

// The option variables, key flags and recolouring for one tag command.
markup::TagContext tagContextOf(CommandContext& context);

// Every key pressed or released in `body`, modifier keys included, updates the
// context's key flags; menu shortcuts are matched before the key reaches it.
void trackKeyFlags(editor::BodyControl& body, CommandContext& context);

}  // namespace commands
