// The editor port: the operations every text algorithm of the editor asks of the
// editing control. Written once against this interface, each algorithm runs on
// the headless TextBuffer in unit tests and on the Scintilla control `body` in
// the application.
//
// Text is UTF-8 with CR LF line breaks. A position is a byte offset from the
// start of the text, so a line break counts as two; lines are numbered from 0.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace markup {

using Pos = std::int64_t;

// Style numbers of the two colours the editor shows.
enum Style : unsigned char { DefaultStyle = 0, TagStyle = 1 };

class TextEditor {
public:
    virtual ~TextEditor() = default;

    // The whole text and its length in bytes.
    virtual std::string text() const = 0;
    virtual Pos length() const = 0;
    // Bytes [start, start + length), clipped to the text.
    virtual std::string textRange(Pos start, Pos length) const = 0;

    // The selection as a start and a length (the caret is at start + length).
    virtual Pos selectionStart() const = 0;
    virtual Pos selectionLength() const = 0;
    virtual std::string selectedText() const = 0;
    virtual void setSelection(Pos start, Pos length) = 0;
    // Puts text in place of the selection (or at the caret); the caret ends
    // directly after the new text with nothing selected. New text takes the
    // default style.
    virtual void replaceSelection(std::string_view text) = 0;
    // Replaces the whole text in one step (one undo action); caret at 0.
    virtual void replaceAll(std::string_view text) = 0;

    virtual int lineFromPosition(Pos pos) const = 0;
    // First position of a line; the length of the text past the last line.
    virtual Pos lineStart(int line) const = 0;
    virtual int lineCount() const = 0;

    // First match of `what` in [from, to), ignoring case (Unicode simple case
    // folding); -1 when there is none.
    virtual Pos findText(std::string_view what, Pos from, Pos to) const = 0;

    // Colours: one style byte per text byte from `start`.
    virtual void setStyles(Pos start, std::string_view styles) = 0;
    virtual void setStyle(Pos start, Pos length, Style style) = 0;
    virtual Style styleAt(Pos pos) const = 0;
    virtual void clearStyles() = 0;

    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;
    // Forgets every undo step (passes that cannot be undone).
    virtual void emptyUndoBuffer() = 0;
};

// Where line `line` ends, before its line break (CR LF, LF or a lone CR); the
// length of the text for the last line.
Pos lineEnd(const TextEditor& editor, int line);

}  // namespace markup
