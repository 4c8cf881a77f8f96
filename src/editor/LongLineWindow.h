// Very long lines (a minified page: megabytes on one line) shown through a
// window around the caret.
//
// Scintilla lays out a whole line before it draws any of it, and again after
// every edit of that line, measuring each character with Qt's text layout:
// about half a microsecond per byte, so five seconds for a 10 MB line. It skips
// the measuring for characters in an invisible style. So in every line longer
// than kLongLine only a window of about kWindow bytes is shown: around the
// caret in the caret's line, where it last was in the others. The rest of such
// a line is styled with invisible twins of the two colours; the text itself is
// never touched, and the window moves with the caret (a margin before each of
// its ends), so whatever the caret reaches is shown.
//
// Style bytes in the control: bit 0 is the colour (text or tag), bit 1 marks a
// hidden byte, and bit 2 (hidden bytes only) alternates every 256 bytes so that
// a hidden run never grows long enough for Scintilla to split it at word
// boundaries, which costs more than the runs themselves.
//
// The window of a line is kept nowhere but in those style bytes: every edit
// moves bytes and their styles together, so nothing needs to follow the edits.
#pragma once

#include <string_view>

#include "markup/TextEditor.h"

class QsciScintillaBase;

namespace editor {

class LongLineWindow {
public:
    using Pos = markup::Pos;
    // Lines longer than this are shown through a window.
    static constexpr Pos kLongLine = Pos(128) << 10;
    // Size of the window, and how close the caret may come to a hidden byte
    // before the window moves to centre on it again. Every shown byte is
    // measured again after each edit of its line (about 6 us a byte), so the
    // window is a few screens wide: without word wrap the horizontal scroll
    // range is much narrower still.
    static constexpr Pos kWindow = Pos(8) << 10;
    static constexpr Pos kMargin = Pos(1) << 10;

    explicit LongLineWindow(QsciScintillaBase& editor);

    // Makes the hidden twins invisible; again after anything that copies the
    // default style over all styles (a new font).
    void defineStyles();
    // A document without style bytes can hide nothing: its lines are shown
    // whole (and laid out whole, however long).
    void setActive(bool active) { active_ = active; }

    // Colours bytes as the highlighter asks, keeping hidden bytes hidden.
    void writeStyles(Pos start, std::string_view colours);
    void fillStyle(Pos start, Pos length, markup::Style colour);
    // The colour of a byte, hidden or not.
    markup::Style colourAt(Pos pos) const;
    // Whether a byte is shown.
    bool shown(Pos pos) const;

    // After the whole text was replaced by `text` (a load, a whole-document
    // pass), its styles all the default: every long line shows its start, and
    // the caret's line the part around the caret. Returns whether the text
    // has a long line (also when the window is off).
    bool windowAll(std::string_view text);
    // After an edit put [from, to) in place (its styles the default, every
    // byte shown), before anything lays its lines out: each long line it meets
    // is shown through a window again, around the caret in the caret's line.
    // Returns whether it met a long line (also when the window is off).
    bool windowEdited(Pos from, Pos to);
    // Before painting: each long line on screen has a window, and the caret's
    // line shows the caret with room on both sides. Returns whether a window
    // moved (the caret's place on screen changed with it).
    bool follow();

private:
    struct Line {
        Pos start = 0, end = 0;  // end before the line break
        Pos length() const { return end - start; }
    };
    Line line(Pos lineNumber) const;
    // Whether [start, start + n), n at most one piece, meets a long line.
    bool touchesLongLine(Pos start, Pos n) const;
    // Hides [from, to), all of it in the default style, without reading it.
    void hideDefault(Pos from, Pos to);
    // Shows [from, to) of [start, end) (a part of a line) and hides the rest
    // of it.
    void show(Pos start, Pos end, Pos from, Pos to);
    // Centres the window of the line on `focus`.
    void showAround(const Line& l, Pos focus);
    // The window [from, to) for `focus`, whole characters.
    Line windowFor(const Line& l, Pos focus) const;
    // The shown bytes around `pos` (a shown byte of the line).
    Line shownRun(const Line& l, Pos pos) const;
    bool hasWindow(const Line& l) const;
    bool caretFits(const Line& l, Pos caret) const;
    Pos characterStart(Pos pos, const Line& l) const;
    long send(unsigned msg, unsigned long w = 0, long l = 0) const;

    QsciScintillaBase& editor_;
    bool active_ = true;
};

}  // namespace editor
