// The editing control `body`: a QsciScintilla set up as a plain-text HTML
// source editor (UTF-8, CR LF, two styles, no lexer) that implements the editor
// port. It is the one place that talks to Scintilla by message; every byte and
// position conversion lives here.
#pragma once

#include <Qsci/qsciscintilla.h>

#include "LongLineWindow.h"
#include "markup/TextEditor.h"

namespace app {

class BodyEditor : public QsciScintilla, public markup::TextEditor {
    Q_OBJECT
public:
    explicit BodyEditor(QWidget* parent = nullptr);

    // Must run before the first editor is created (done by the constructor too):
    // QScintilla's own accessibility support costs time proportional to the
    // document on every edit.
    static void installPlainAccessibility();

    // markup::TextEditor
    std::string text() const override;
    markup::Pos length() const override;
    std::string textRange(markup::Pos start, markup::Pos length) const override;
    markup::Pos selectionStart() const override;
    markup::Pos selectionLength() const override;
    std::string selectedText() const override;
    void setSelection(markup::Pos start, markup::Pos length) override;
    void replaceSelection(std::string_view text) override;
    void replaceAll(std::string_view text) override;
    int lineFromPosition(markup::Pos pos) const override;
    markup::Pos lineStart(int line) const override;
    int lineCount() const override;
    markup::Pos findText(std::string_view what, markup::Pos from, markup::Pos to) const override;
    void setStyles(markup::Pos start, std::string_view styles) override;
    void setStyle(markup::Pos start, markup::Pos length, markup::Style style) override;
    markup::Style styleAt(markup::Pos pos) const override;
    void clearStyles() override;
    bool isModified() const override;
    void setModified(bool modified) override;
    void emptyUndoBuffer() override;

    // Loads a whole document (bytes as they are, NUL included) as a fresh,
    // unmodified text with no undo history and the caret at the start.
    void loadText(std::string_view text);
    // The caret position and the 0-based column in characters.
    markup::Pos caretPosition() const;
    int caretColumn() const;
    // The 0-based column of a position, in characters from its line's start.
    int columnOf(markup::Pos pos) const;
    // Word wrap on or off; with it on there is no horizontal scroll bar.
    void setWordWrap(bool on);
    // The document line (not the wrapped display line) shown at the top, and
    // scrolling so that a given document line shows at the top.
    int firstVisibleDocumentLine() const;
    void scrollToDocumentLine(int line);
    // Colour of the tag style (0xRRGGBB); the default style keeps the text colour.
    void setTagColour(unsigned rgb);
    // Font of every style; the tag style keeps its colour.
    void setEditorFont(const QFont& font);
    bool canUndo() const;
    // The whole text in place, without a copy: valid until the next change.
    std::string_view characters() const;
    // Whether changes are recorded for undo. A pass that turns recording off
    // must empty the undo history before turning it on again.
    void setUndoCollection(bool on);

signals:
    // The modified flag changed (save point left or reached, or set by hand).
    void modifiedChanged(bool modified);
    // Every key pressed or released in the editor, modifier keys included,
    // before the editor handles it (the key-state flags of the tag commands).
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void keyUp(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void removeConflictingKeys();
    long send(unsigned msg, unsigned long w = 0, long l = 0) const;
    bool forcedModified_ = false;
    LongLineWindow longLines_{*this};
    unsigned tagColour_ = 0x000080;
};

}  // namespace app
