// What command modules may do with the editing control `body`: the editor port
// that every text algorithm uses, plus a small named set of view operations
// (the text in place, loading, undo, the clipboard, scrolling, focus and the
// tag colour). The control behind it is the adapter BodyControl; nothing else
// of the editing component is reachable from a command module.
#pragma once

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "markup/TextEditor.h"
#include "storage/DocumentFile.h"

namespace editor {

// The colours of a theme as the control shows them (0xRRGGBB; a selection of
// 0: the desktop's); `dark` gives colour as you type its colours for dark paper.
struct ThemeColours {
    unsigned paper = 0xFFFFFF, text = 0x000000, selection = 0, caret = 0x000000;
    bool dark = false;
};

class TextView : public markup::TextEditor {
public:
    using Pos = markup::Pos;

    // The whole text in place, without a copy: valid until the next change.
    virtual std::string_view characters() const = 0;
    // Loads a whole document (bytes as they are, NUL included) as a fresh,
    // unmodified text with no undo history and the caret at the start.
    virtual void loadText(std::string_view text) = 0;
    // Loads a document as loadText does, from pieces that `read` hands to the
    // sink it is given (a file as it is decoded: its text is never held
    // twice). When `read` returns false, or the control has no room for the
    // text (std::bad_alloc from the sink), the document, its undo history and
    // the view stay as they were, and the result is false.
    virtual bool loadPieces(const std::function<bool(storage::TextSink&)>& read) = 0;

    // The caret, and the 0-based column of a position in characters.
    virtual Pos caretPosition() const = 0;
    virtual int columnOf(Pos pos) const = 0;

    // Undo. A pass that turns recording off must empty the undo history (see
    // TextEditor) before turning it on again.
    virtual bool canUndo() const = 0;
    virtual void undo() = 0;
    virtual void setUndoCollection(bool on) = 0;
    // Redo takes back an undo; any edit, and a pass that empties the undo
    // history, forgets what there was to redo.
    virtual bool canRedo() const = 0;
    virtual void redo() = 0;

    // The clipboard and the whole selection, as the editor's own keys do them.
    virtual void cut() = 0;
    virtual void copy() = 0;
    virtual void paste() = 0;
    virtual void selectAll() = 0;

    // Scrolling by document line (not the wrapped display line).
    virtual int firstVisibleDocumentLine() const = 0;
    virtual void scrollToDocumentLine(int line) = 0;
    virtual void ensureCaretVisible() = 0;

    // The keyboard focus.
    virtual void focus() = 0;

    // The page checker's marks: a squiggle under each range (start, length)
    // and a mark in the margin beside its line. Marking again replaces them;
    // clearing hides the margin again.
    virtual void markProblems(const std::vector<std::pair<Pos, Pos>>& ranges) = 0;
    virtual void clearProblemMarks() = 0;

    // Colour of the tag style (0xRRGGBB); the default style keeps the text colour.
    virtual void setTagColour(unsigned rgb) = 0;

    // The theme's paper, text, selection and caret colours.
    virtual void setThemeColours(const ThemeColours& colours) = 0;
    // Colour as you type: the HTML lexer colours what is shown, and the one
    // tag colour of the highlighter is put aside (its styles are not written)
    // until it is off again; a document with a line the long-line window
    // shows keeps the classic styles.
    virtual void setLiveColouring(bool on) = 0;
};

}  // namespace editor
