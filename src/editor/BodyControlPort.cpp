// The adapter's side of the editor port: the text in place, selections and
// replacements, lines, the case-insensitive search, styles through the
// long-line window, the modified flag and the caret's column, each one or a
// few Scintilla messages without copying the document.
#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "editor/BodyControlScintilla.h"
#include "editor/LongLineWindow.h"
#include "markup/FoldedPattern.h"

namespace editor {
namespace {

// The UTF-8 continuation bytes (10xxxxxx) of a range: its length minus its
// number of characters. Sixteen bytes at a time where SSE2 is there.
size_t countContinuationBytes(const unsigned char* p, size_t n)
{
    size_t count = 0, i = 0;
#ifdef __SSE2__
    const __m128i limit = _mm_set1_epi8(-64);  // as signed bytes, 0x80..0xBF are below -64
    while (n - i >= 16) {
        // At most 255 rounds per byte lane before the lanes are summed.
        const size_t rounds = std::min<size_t>((n - i) / 16, 255);
        __m128i lanes = _mm_setzero_si128();
        for (size_t r = 0; r < rounds; ++r, i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            lanes = _mm_sub_epi8(lanes, _mm_cmplt_epi8(v, limit));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<size_t>(_mm_cvtsi128_si32(sums)) + static_cast<size_t>(_mm_extract_epi16(sums, 4));
    }
#endif
    for (; i < n; ++i) count += (p[i] & 0xC0) == 0x80;
    return count;
}

}  // namespace

std::string BodyControl::text() const
{
    return std::string(characters());
}

std::string_view BodyControl::characters() const
{
    const auto n = static_cast<size_t>(length());
    const auto* p = reinterpret_cast<const char*>(send(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    return n && p ? std::string_view(p, n) : std::string_view();
}

void BodyControl::appendTextTo(std::string& out) const
{
    // The buffer holds the text in two pieces around the gap where the last
    // edit was; a piece that does not span the gap is read where it lies.
    const long total = length();
    const long gap = std::clamp(send(QsciScintillaBase::SCI_GETGAPPOSITION), 0L, total);
    for (const auto& [from, count] : {std::pair(0L, gap), std::pair(gap, total - gap)}) {
        const long piece = count > 0 ? send(QsciScintillaBase::SCI_GETRANGEPOINTER, from, count) : 0;
        if (piece) out.append(reinterpret_cast<const char*>(piece), static_cast<size_t>(count));
    }
}

markup::Pos BodyControl::length() const
{
    return send(QsciScintillaBase::SCI_GETLENGTH);
}

std::string BodyControl::textRange(markup::Pos start, markup::Pos len) const
{
    const markup::Pos total = length();
    const markup::Pos s = std::clamp<markup::Pos>(start, 0, total);
    const markup::Pos e = std::clamp<markup::Pos>(start + std::max<markup::Pos>(len, 0), 0, total);
    if (e <= s) return {};
    const auto* p = reinterpret_cast<const char*>(control_->SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(s), static_cast<long>(e - s)));
    return std::string(p, static_cast<size_t>(e - s));
}

markup::Pos BodyControl::selectionStart() const
{
    return send(QsciScintillaBase::SCI_GETSELECTIONSTART);
}
markup::Pos BodyControl::selectionLength() const
{
    return send(QsciScintillaBase::SCI_GETSELECTIONEND) - send(QsciScintillaBase::SCI_GETSELECTIONSTART);
}
std::string BodyControl::selectedText() const
{
    return textRange(selectionStart(), selectionLength());
}

void BodyControl::setSelection(markup::Pos start, markup::Pos len)
{
    const markup::Pos total = length();
    markup::Pos a = std::clamp<markup::Pos>(start, 0, total), b = std::clamp<markup::Pos>(start + len, 0, total);
    if (b < a) std::swap(a, b);
    // Anchor at the start, caret at the end, as a selection made by the editor.
    send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(a), static_cast<long>(b));
}

void BodyControl::replaceSelection(std::string_view t)
{
    // Through the target, which takes a length: the text may hold NUL bytes.
    send(QsciScintillaBase::SCI_TARGETFROMSELECTION);
    send(QsciScintillaBase::SCI_REPLACETARGET, t.size(), reinterpret_cast<long>(t.data()));
    const long start = send(QsciScintillaBase::SCI_GETTARGETSTART), end = send(QsciScintillaBase::SCI_GETTARGETEND);
    send(QsciScintillaBase::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(end));
    // Before the caret is scrolled to, which lays its line out: a long line
    // the new text made or grew shows only its window (Replace All of
    // megabytes in a minified page).
    if (longLines_->windowEdited(start, end) && lexing_) useClassicStyles();
    send(QsciScintillaBase::SCI_SCROLLCARET);
    markStyled();
}

void BodyControl::replaceAll(std::string_view t)
{
    send(QsciScintillaBase::SCI_SETTARGETRANGE, 0, static_cast<long>(length()));
    send(QsciScintillaBase::SCI_REPLACETARGET, t.size(), reinterpret_cast<long>(t.data()));
    send(QsciScintillaBase::SCI_SETEMPTYSELECTION, 0);
    chooseLexer(longLines_->windowAll(t));
    markStyled();
}

int BodyControl::lineFromPosition(markup::Pos pos) const
{
    return static_cast<int>(
        send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(std::max<markup::Pos>(pos, 0))));
}

markup::Pos BodyControl::lineStart(int line) const
{
    if (line <= 0) return 0;
    const long p = send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    return p < 0 ? length() : p;
}

int BodyControl::lineCount() const
{
    return static_cast<int>(send(QsciScintillaBase::SCI_GETLINECOUNT));
}

markup::Pos BodyControl::findText(std::string_view what, markup::Pos from, markup::Pos to) const
{
    if (what.empty()) return -1;
    const markup::Pos total = length();
    from = std::clamp<markup::Pos>(from, 0, total);
    to = std::clamp<markup::Pos>(to, 0, total);
    if (from >= to) return -1;
    // The same folding as the headless editor: Scintilla's own search does not
    // fold accented letters.
    const auto* p = reinterpret_cast<const char*>(control_->SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), static_cast<long>(to - from)));
    const markup::Pos at =
        markup::FoldedPattern(what).find(std::string_view(p, static_cast<size_t>(to - from)), 0, to - from);
    return at < 0 ? -1 : from + at;
}

// Colours go through the long-line window, which keeps hidden bytes hidden.
void BodyControl::setStyles(markup::Pos start, std::string_view styles)
{
    if (lexing_) return;
    if (!styled_ && styles.find_first_not_of(static_cast<char>(markup::DefaultStyle)) != std::string_view::npos)
        giveStyles();
    longLines_->writeStyles(start, styles);
}

void BodyControl::setStyle(markup::Pos start, markup::Pos len, markup::Style style)
{
    if (lexing_) return;
    if (!styled_ && style != markup::DefaultStyle && len > 0) giveStyles();
    longLines_->fillStyle(start, len, style);
}

markup::Style BodyControl::styleAt(markup::Pos pos) const
{
    if (lexing_) return markup::DefaultStyle;
    return longLines_->colourAt(pos);
}

void BodyControl::clearStyles()
{
    if (lexing_) return;
    longLines_->fillStyle(0, length(), markup::DefaultStyle);
}

bool BodyControl::isModified() const
{
    return forcedModified_ || send(QsciScintillaBase::SCI_GETMODIFY) != 0;
}

void BodyControl::setModified(bool modified)
{
    const bool was = isModified();
    if (modified) {
        forcedModified_ = true;
    } else {
        forcedModified_ = false;
        send(QsciScintillaBase::SCI_SETSAVEPOINT);
    }
    if (was != isModified()) emit modifiedChanged(isModified());
}

void BodyControl::emptyUndoBuffer()
{
    // Scintilla also moves the save point to the emptied history, so the text
    // would look unmodified (without a notification); the flag must survive.
    const bool modified = isModified();
    send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    if (modified && !isModified()) forcedModified_ = true;
}

markup::Pos BodyControl::caretPosition() const
{
    return send(QsciScintillaBase::SCI_GETCURRENTPOS);
}

int BodyControl::columnOf(markup::Pos pos) const
{
    const markup::Pos start = lineStart(lineFromPosition(pos));
    const markup::Pos bytes = pos - start;
    // Scintilla counts character by character, which takes tens of
    // milliseconds at the end of a long line (a minified page); counting the
    // UTF-8 continuation bytes in place is many times faster.
    if (bytes < 4096)
        return static_cast<int>(
            send(QsciScintillaBase::SCI_COUNTCHARACTERS, static_cast<unsigned long>(start), static_cast<long>(pos)));
    const auto* p = reinterpret_cast<const unsigned char*>(control_->SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), static_cast<long>(bytes)));
    return static_cast<int>(bytes - countContinuationBytes(p, static_cast<size_t>(bytes)));
}

}  // namespace editor
