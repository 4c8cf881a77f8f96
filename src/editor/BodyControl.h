// The editing control `body`: the adapter that holds the Scintilla editing
// component, set up as a plain-text HTML source editor (UTF-8, CR LF, two
// styles, no lexer), and implements the editor port and the view operations
// of TextView. It is the only code that talks to Scintilla: the component is
// a private part of this widget, so the rest of the program sees the port and
// the named operations below, never the component's own interface.
#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <span>
#include <vector>

#include "editor/TextView.h"
#include "markup/TagPairs.h"

class QsciLexerHTML;

namespace editor {

class LongLineWindow;

class BodyControl : public QWidget, public TextView {
    Q_OBJECT
public:
    explicit BodyControl(QWidget* parent = nullptr);
    ~BodyControl() override;

    // Must run before the first editor is created (done by the constructor too):
    // the component's own accessibility support costs time proportional to the
    // document on every edit.
    static void installPlainAccessibility();

    // markup::TextEditor
    std::string text() const override;
    Pos length() const override;
    std::string textRange(Pos start, Pos length) const override;
    Pos selectionStart() const override;
    Pos selectionLength() const override;
    std::string selectedText() const override;
    void setSelection(Pos start, Pos length) override;
    void replaceSelection(std::string_view text) override;
    void replaceAll(std::string_view text) override;
    int lineFromPosition(Pos pos) const override;
    Pos lineStart(int line) const override;
    int lineCount() const override;
    Pos findText(std::string_view what, Pos from, Pos to) const override;
    void setStyles(Pos start, std::string_view styles) override;
    void setStyle(Pos start, Pos length, markup::Style style) override;
    markup::Style styleAt(Pos pos) const override;
    void clearStyles() override;
    bool isModified() const override;
    void setModified(bool modified) override;
    void emptyUndoBuffer() override;

    // TextView
    std::string_view characters() const override;
    void loadText(std::string_view text) override;
    bool loadPieces(const std::function<bool(storage::TextSink&)>& read) override;
    Pos caretPosition() const override;
    int columnOf(Pos pos) const override;
    bool canUndo() const override;
    void undo() override;
    void setUndoCollection(bool on) override;
    bool canRedo() const override;
    void redo() override;
    void cut() override;
    void copy() override;
    void paste() override;
    void selectAll() override;
    int firstVisibleDocumentLine() const override;
    void scrollToDocumentLine(int line) override;
    void ensureCaretVisible() override;
    void focus() override;
    void setTagColour(unsigned rgb) override;
    void setThemeColours(const ThemeColours& colours) override;
    void setLiveColouring(bool on) override;
    void markProblems(const std::vector<std::pair<Pos, Pos>>& ranges) override;
    void clearProblemMarks() override;
    // The ranges the squiggle covers now, in order (start, length).
    std::vector<std::pair<Pos, Pos>> problemMarks() const;

    // The file named on the command line, read into a document of its own on
    // another thread while the window is built (its text is what loadPieces
    // would load from readDocumentFile). Ends that reading, if still unused,
    // when the scope ends.
    class Preload;
    struct PreloadEnd {
        void operator()(Preload* preload) const;
    };
    using PreloadScope = std::unique_ptr<Preload, PreloadEnd>;
    static PreloadScope preload(const QString& path, bool coloursWanted);
    // Loads the preloaded document when it is the file at `path` and was
    // read whole, with the file's identity from before the reading; false
    // otherwise (the file is then to be read as any other).
    bool loadPreloaded(const QString& path, storage::DocumentFormat* format, storage::FileIdentity* identity);

    // Whether the documents loaded from now on are to be coloured (syntax
    // highlighting on; so at first). One from kPlainFrom bytes on that is
    // not keeps no style bytes, which would double its memory; colours
    // written to it later give it them back, and its undo history then starts
    // anew.
    void setColoursWanted(bool wanted) { coloursWanted_ = wanted; }
    static constexpr std::size_t kPlainFrom = std::size_t(8) << 20;
    // The room a new document of `bytes` is made with: otherwise the first
    // few keystrokes exhaust the gap and one of them copies the whole
    // document. Never more than the control can address.
    static std::size_t roomToEdit(std::size_t bytes);
    // Whether the document has style bytes.
    bool keepsStyles() const { return styled_; }

    // Appends the text to `out` in one copy, leaving the control's buffer as
    // it is (characters() first makes the text contiguous, which moves up to
    // the whole text when the last edit was near its start).
    void appendTextTo(std::string& out) const;

    // For the main window's layout.
    int caretColumn() const { return columnOf(caretPosition()); }
    // Word wrap on or off; with it on there is no horizontal scroll bar.
    void setWordWrap(bool on);
    // Font of every style; the tag style keeps its colour.
    void setEditorFont(const QFont& font);
    QFont editorFont() const;

    // What the control shows, for tests and benchmarks: the tag colour as set,
    // where the byte at `pos` is drawn (in this widget's coordinates), whether
    // it is drawn at all (see LongLineWindow), how many lines fit, whether the
    // component binds a key of its own, and whether it reports modifications.
    unsigned TagColour() const;
    QRect byteRect(Pos pos) const;
    bool isShown(Pos pos) const;
    int linesOnScreen() const;
    bool bindsKey(QKeyCombination key) const;
    bool reportsModifications() const;
    // Whether the lexer colours the document now, and the lexer's style of a
    // byte (styles as QsciLexerHTML numbers them).
    bool colouringLive() const { return lexing_; }
    int lexerStyleAt(Pos pos) const;
    // Paints now (benchmarks time the paint with the change).
    void repaintNow();

    // The view's comforts (BodyControlComforts.cpp). Line numbers in a margin
    // as wide as the largest number of the document needs, following the
    // line count as it changes.
    void setLineNumbers(bool on);
    int lineNumberWidth() const;
    // Zoom in steps of one point on every font, 0 the font's own size; the
    // editor font itself stays as it is.
    void zoomIn();
    void zoomOut();
    void zoomNormal();
    int zoom() const;
    // Marks the tags of a pair (an indicator drawn around them: the colours
    // of the text stay), in place of the ones marked before; and what is
    // marked now.
    void markTags(std::span<const markup::Span> tags);
    std::vector<markup::Span> markedTags() const;
    // `written` was just written before the caret for the author: keys that
    // go on to type it, in order and with nothing else between, move nothing
    // and write nothing, so that typing the text by hand gives it once.
    void expectTypedThrough(const QString& written);

signals:
    // The modified flag changed (save point left or reached, or set by hand).
    void modifiedChanged(bool modified);
    // The text (or its colours) changed: told once before the next paint, not
    // at every edit.
    void contentChanged();
    // Every key pressed or released in the editor, modifier keys included,
    // before the editor handles it (the key-state flags of the tag commands).
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void keyUp(int key, Qt::KeyboardModifiers modifiers);
    // The context menu was asked for, at a global position.
    void contextMenuRequested(const QPoint& globalPos);
    // Files were dropped on the editor (their full paths, in the drag's
    // order); the text is left as it was.
    void filesDropped(const QStringList& paths);
    // The caret or the selection moved, an edit included: told once before
    // the next paint.
    void caretMoved();
    // A character was typed (not pasted) and is in the text, the caret after it.
    void characterTyped(int character);

protected:
    // Keys sent to this widget go to the component (tests send them here).
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    class Scintilla;
    class Loader;
    long send(unsigned msg, unsigned long w = 0, long l = 0) const;
    // Makes a fresh, empty document the control's (the one before is
    // released unless someone holds it), with room for `expectedBytes`.
    void newDocument(std::size_t expectedBytes, bool styled);
    // Gives the control `document` (Scintilla's), whose one reference passes
    // to it.
    void useDocument(long document, bool styled);
    // A loaded document's last steps: windows, undo, save point, caret.
    void finishLoad(bool undoCollection);
    // The document again, with style bytes (see setColoursWanted).
    void giveStyles();
    void removeConflictingKeys();
    // Undo or redo: the text they put back goes through the long-line window.
    void replayHistory(bool redo);
    // The signals and margins of the comforts.
    void connectComforts();
    void fitLineNumbers();
    // Tells the component that no text is waiting to be styled.
    void markStyled() const;
    // BodyControlLook.cpp: every style from the theme, then the lexer's or
    // the highlighter's; the lexer on or off for a document with (or without)
    // a long line; back to the highlighter's styles while editing.
    void applyStyles();
    void chooseLexer(bool longLine);
    void useClassicStyles();
    bool longLineOnScreen() const;

    Scintilla* control_;  // a child widget
    std::unique_ptr<LongLineWindow> longLines_;
    bool forcedModified_ = false;
    bool coloursWanted_ = true;
    bool styled_ = true;
    unsigned TagColour_ = 0x000080;
    ThemeColours theme_;
    QsciLexerHTML* lexer_ = nullptr;  // made when first wanted
    bool liveWanted_ = false;
    bool lexing_ = false;
    bool themed_ = false;  // until a theme is set, the component's own colours
    bool lineNumbers_ = false;
    int lineNumberDigits_ = 0;
    std::vector<markup::Span> pairMarks_;  // as last marked by markTags
    struct TypeThrough {
        QString rest;                 // what is still to be typed through
        Pos caret = -1, length = -1;  // the caret and the length it is valid for
    } typeThrough_;
    bool takeTypedThrough(const QString& typed);
};

}  // namespace editor
