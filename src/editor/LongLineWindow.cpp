#include "editor/LongLineWindow.h"

#include <Qsci/qsciscintillabase.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace editor {
namespace {

using Pos = LongLineWindow::Pos;

// Styles are read and written in pieces of this size. A line longer than
// kLongLine that meets a piece holds one of the piece's ends.
constexpr Pos kPiece = Pos(64) << 10;
static_assert(LongLineWindow::kLongLine >= kPiece);
static_assert(LongLineWindow::kWindow > 4 * LongLineWindow::kMargin);

constexpr unsigned char kColourBit = 1, kHiddenBit = 2, kBreakBit = 4;

constexpr unsigned char hidden(unsigned char colour, Pos pos)
{
    return static_cast<unsigned char>((colour & kColourBit) | kHiddenBit | (((pos >> 8) & 1) ? kBreakBit : 0));
}

// Scintilla's text range (Sci_TextRange) for SCI_GETSTYLEDTEXT.
struct StyledRange {
    long cpMin, cpMax;
    char* text;
};

}  // namespace

LongLineWindow::LongLineWindow(QsciScintillaBase& editor) : editor_(editor) {}

long LongLineWindow::send(unsigned msg, unsigned long w, long l) const
{
    return editor_.SendScintilla(msg, w, l);
}

void LongLineWindow::defineStyles()
{
    for (unsigned char colour : {markup::DefaultStyle, markup::TagStyle}) {
        for (unsigned char style : {hidden(colour, 0), hidden(colour, 256)})
            send(QsciScintillaBase::SCI_STYLESETVISIBLE, style, 0);
    }
}

LongLineWindow::Line LongLineWindow::line(Pos lineNumber) const
{
    const auto n = static_cast<unsigned long>(lineNumber);
    return {send(QsciScintillaBase::SCI_POSITIONFROMLINE, n), send(QsciScintillaBase::SCI_GETLINEENDPOSITION, n)};
}

markup::Style LongLineWindow::colourAt(Pos pos) const
{
    return static_cast<markup::Style>(send(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(pos)) &
                                      kColourBit);
}

bool LongLineWindow::shown(Pos pos) const
{
    return (send(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(pos)) & kHiddenBit) == 0;
}

namespace {

// The current style bytes of [start, start + n), n at most kPiece.
void readStyles(QsciScintillaBase& editor, Pos start, Pos n, std::string& styles)
{
    std::string pairs(static_cast<size_t>(2 * n + 2), '\0');
    StyledRange range{static_cast<long>(start), static_cast<long>(start + n), pairs.data()};
    editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEDTEXT, 0UL,
                         static_cast<long>(reinterpret_cast<intptr_t>(&range)));
    styles.resize(static_cast<size_t>(n));
    for (size_t i = 0; i < styles.size(); ++i) styles[i] = pairs[2 * i + 1];
}

void writeRaw(QsciScintillaBase& editor, Pos start, std::string_view styles)
{
    editor.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, static_cast<unsigned long>(start), 0L);
    editor.SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<unsigned long>(styles.size()), styles.data());
}

}  // namespace

bool LongLineWindow::touchesLongLine(Pos start, Pos n) const
{
    const auto lineOf = [&](Pos p) {
        return send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(p));
    };
    return line(lineOf(start)).length() > kLongLine || line(lineOf(start + n - 1)).length() > kLongLine;
}

void LongLineWindow::writeStyles(Pos start, std::string_view colours)
{
    std::string current;
    for (Pos done = 0; done < static_cast<Pos>(colours.size()); done += kPiece) {
        const Pos at = start + done;
        const std::string_view piece = colours.substr(static_cast<size_t>(done), static_cast<size_t>(kPiece));
        const Pos n = static_cast<Pos>(piece.size());
        if (!touchesLongLine(at, n)) {
            writeRaw(editor_, at, piece);
            continue;
        }
        readStyles(editor_, at, n, current);
        for (Pos i = 0; i < n; ++i) {
            const auto colour = static_cast<unsigned char>(piece[static_cast<size_t>(i)]);
            current[static_cast<size_t>(i)] = static_cast<char>(
                (static_cast<unsigned char>(current[static_cast<size_t>(i)]) & kHiddenBit) ? hidden(colour, at + i)
                                                                                           : colour);
        }
        writeRaw(editor_, at, current);
    }
}

void LongLineWindow::fillStyle(Pos start, Pos length, markup::Style colour)
{
    for (Pos done = 0; done < length; done += kPiece) {
        const Pos at = start + done, n = std::min(kPiece, length - done);
        if (touchesLongLine(at, n)) {
            writeStyles(at, std::string(static_cast<size_t>(n), static_cast<char>(colour)));
        } else {
            send(QsciScintillaBase::SCI_STARTSTYLING, static_cast<unsigned long>(at), 0);
            send(QsciScintillaBase::SCI_SETSTYLING, static_cast<unsigned long>(n), colour);
        }
    }
}

void LongLineWindow::show(Pos start, Pos end, Pos from, Pos to)
{
    std::string styles;
    for (Pos at = start; at < end; at += kPiece) {
        const Pos n = std::min(kPiece, end - at);
        readStyles(editor_, at, n, styles);
        bool changed = false;
        for (Pos i = 0; i < n; ++i) {
            const auto old = static_cast<unsigned char>(styles[static_cast<size_t>(i)]);
            const Pos p = at + i;
            const unsigned char now = (p >= from && p < to) ? (old & kColourBit) : hidden(old, p);
            changed = changed || now != old;
            styles[static_cast<size_t>(i)] = static_cast<char>(now);
        }
        if (changed) writeRaw(editor_, at, styles);
    }
}

Pos LongLineWindow::characterStart(Pos pos, const Line& l) const
{
    // Past UTF-8 continuation bytes (at most three), so that no character is
    // split between shown and hidden.
    for (int i = 0; i < 3 && pos < l.end; ++i) {
        const auto c =
            static_cast<unsigned char>(send(QsciScintillaBase::SCI_GETCHARAT, static_cast<unsigned long>(pos)));
        if ((c & 0xC0) != 0x80) break;
        ++pos;
    }
    return pos;
}

LongLineWindow::Line LongLineWindow::windowFor(const Line& l, Pos focus) const
{
    Pos from = std::clamp(focus - kWindow / 2, l.start, std::max(l.start, l.end - kWindow));
    Pos to = std::min(l.end, from + kWindow);
    from = from == l.start ? from : characterStart(from, l);
    to = to == l.end ? to : characterStart(to, l);
    return {from, to};
}

LongLineWindow::Line LongLineWindow::shownRun(const Line& l, Pos pos) const
{
    // Read in small pieces: the run is normally the window itself.
    constexpr Pos kStep = Pos(4) << 10;
    std::string styles;
    Pos first = pos;
    while (first > l.start) {
        const Pos from = std::max(l.start, first - kStep);
        readStyles(editor_, from, first - from, styles);
        Pos i = first - from;
        while (i > 0 && !(static_cast<unsigned char>(styles[static_cast<size_t>(i - 1)]) & kHiddenBit)) --i;
        first = from + i;
        if (i > 0) break;
    }
    Pos last = pos + 1;
    while (last < l.end) {
        const Pos n = std::min(kStep, l.end - last);
        readStyles(editor_, last, n, styles);
        Pos i = 0;
        while (i < n && !(static_cast<unsigned char>(styles[static_cast<size_t>(i)]) & kHiddenBit)) ++i;
        last += i;
        if (i < n) break;
    }
    return {first, last};
}

void LongLineWindow::showAround(const Line& l, Pos focus)
{
    const Line w = windowFor(l, focus);
    // Where the focus is shown, the window it is in (or the text an edit
    // showed) is hidden again around the new one: a few kilobytes instead of
    // the whole line. A focus in the hidden part (the caret went far) needs
    // the whole line, to find the old window.
    const Pos probe = std::min(focus, l.end - 1);
    if (!shown(probe)) return show(l.start, l.end, w.start, w.end);
    const Line run = shownRun(l, probe);
    show(std::min(run.start, w.start), std::max(run.end, w.end), w.start, w.end);
}

bool LongLineWindow::hasWindow(const Line& l) const
{
    return !shown(l.start) || !shown(l.end - 1);
}

bool LongLineWindow::caretFits(const Line& l, Pos caret) const
{
    // Room on both sides: nothing hidden within the margin...
    const Pos before = std::max(l.start, caret - kMargin), after = std::min(l.end - 1, caret + kMargin);
    if (!shown(before) || !shown(after)) return false;
    // ...and not far more shown than a window (a large paste shows all it
    // inserted until the window is set again).
    const Pos reach = kWindow + kMargin;
    if (caret - reach >= l.start && shown(caret - reach)) return false;
    if (caret + reach < l.end && shown(caret + reach)) return false;
    return true;
}

bool LongLineWindow::windowAll(std::string_view text)
{
    bool found = false;
    const Pos caret = send(QsciScintillaBase::SCI_GETCURRENTPOS);
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    // Every style is the default: the hidden part is written without reading it.
    const auto hide = [&](Pos from, Pos to) { hideDefault(from, to); };
    const auto window = [&](const char* from, const char* to) {
        if (to - from <= kLongLine) return;
        found = true;
        if (!active_) return;
        const Line l{from - begin, to - begin};
        const Line w = windowFor(l, caret >= l.start && caret <= l.end ? caret : l.start);
        hide(l.start, w.start);
        hide(w.end, l.end);
    };
    for (const char* p = begin; p < end;) {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        const char* lineEnd = nl ? nl : end;
        const char* contentEnd = lineEnd;
        if (contentEnd > p && contentEnd[-1] == '\r') --contentEnd;
        // A lone CR also ends a line in the control (classic Mac files): a
        // long span between LFs is split at its CRs, so that only lines that
        // really are long get a window.
        if (contentEnd - p > kLongLine) {
            const char* from = p;
            while (const char* cr =
                       static_cast<const char*>(std::memchr(from, '\r', static_cast<size_t>(contentEnd - from)))) {
                window(from, cr);
                from = cr + 1;
            }
            window(from, contentEnd);
        }
        p = nl ? nl + 1 : end;
    }
    return found;
}

void LongLineWindow::hideDefault(Pos from, Pos to)
{
    // In pieces that keep the twins' alternation at absolute positions.
    static const std::string pattern = [] {
        std::string p(static_cast<size_t>(kPiece), '\0');
        for (Pos i = 0; i < kPiece; ++i) p[static_cast<size_t>(i)] = static_cast<char>(hidden(markup::DefaultStyle, i));
        return p;
    }();
    for (Pos at = from; at < to;) {
        const Pos offset = at % kPiece, n = std::min(to - at, kPiece - offset);
        writeRaw(editor_, at, std::string_view(pattern).substr(static_cast<size_t>(offset), static_cast<size_t>(n)));
        at += n;
    }
}

bool LongLineWindow::windowEdited(Pos from, Pos to)
{
    const Pos caret = send(QsciScintillaBase::SCI_GETCURRENTPOS);
    bool found = false;
    Pos done = -1;  // the start of the line windowed last
    const auto windowLineAt = [&](Pos pos) {
        const Line l = line(send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos)));
        if (l.start == done || l.length() <= kLongLine) return;
        found = true;
        done = l.start;
        if (!active_) return;
        const Pos focus = caret >= l.start && caret <= l.end ? caret : l.start;
        // The new bytes are all in the default style: those outside the new
        // window are hidden without being read, so that finding the shown run
        // around the focus reads a window's worth, not megabytes.
        const Line w = windowFor(l, focus);
        hideDefault(std::max(from, l.start), std::min(to, w.start));
        hideDefault(std::max(from, w.end), std::min(to, l.end));
        showAround(l, focus);
    };
    windowLineAt(from);
    // The lines that begin inside the new text: only a stretch longer than a
    // long line between two line breaks can hold one.
    const auto* begin = to > from ? reinterpret_cast<const char*>(send(QsciScintillaBase::SCI_GETRANGEPOINTER,
                                                                       static_cast<unsigned long>(from), to - from))
                                  : nullptr;
    const char* const end = begin ? begin + (to - from) : nullptr;
    for (const char* p = begin; p && p < end;) {
        const auto* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        const char* lineEnd = nl ? nl : end;
        if (lineEnd - p > kLongLine) {
            // A lone CR ends a line in the control too.
            for (const char* q = p; q < lineEnd;) {
                const auto* cr = static_cast<const char*>(std::memchr(q, '\r', static_cast<size_t>(lineEnd - q)));
                windowLineAt(from + (q - begin));
                q = cr ? cr + 1 : lineEnd;
            }
        }
        p = lineEnd + 1;
    }
    windowLineAt(to);
    return found;
}

bool LongLineWindow::follow()
{
    if (!active_) return false;
    const Pos caret = send(QsciScintillaBase::SCI_GETCURRENTPOS);
    const Pos caretLine = send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
    const Pos first = send(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE,
                           static_cast<unsigned long>(send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE)));
    const Pos last =
        std::min(first + send(QsciScintillaBase::SCI_LINESONSCREEN) + 1, send(QsciScintillaBase::SCI_GETLINECOUNT) - 1);
    for (Pos n = first; n <= last; ++n) {
        if (n == caretLine) continue;
        const Line l = line(n);
        if (l.length() > kLongLine && !hasWindow(l)) showAround(l, l.start);
    }
    const Line l = line(caretLine);
    if (l.length() <= kLongLine || (hasWindow(l) && caretFits(l, caret))) return false;
    showAround(l, caret);
    return true;
}

}  // namespace editor
