// Syntax highlighting over the editor port: the tag scan as a pure function,
// applied piece by piece for the whole document or run by run for the few
// lines around the caret.
#include "Highlighter.h"

#include <algorithm>
#include <cstring>

namespace markup {
namespace {

// Bytes of text read and styled at a time by the whole-document colouring:
// small enough to be served again and again from the same heap block.
constexpr Pos kPiece = 64 * 1024;

// Calls run(start, length) for each tag of `text`, in order. A "<" inside a
// tag already found starts a run that ends at the same ">", so these runs are
// also the union of the overlapping runs that a scan restarting one character
// after each "<" would colour: every character is visited once.
template <typename Run>
void forEachTag(std::string_view text, Run run)
{
    const char* const base = text.data();
    const size_t n = text.size();
    size_t p = 0;
    while (p < n) {
        const auto* lt = static_cast<const char*>(std::memchr(base + p, '<', n - p));
        if (!lt) return;
        const auto open = static_cast<size_t>(lt - base);
        const auto* gt = static_cast<const char*>(std::memchr(lt, '>', n - open));
        if (!gt) return;
        const auto close = static_cast<size_t>(gt - base);
        run(open, close - open + 1);
        p = close + 1;
    }
}

// Styles a text fed to it piece by piece, in order, handing the editor the
// styles of each piece as far as they are known; memory stays at one piece
// whatever the size of the text. The bytes from a "<" whose ">" has not come
// yet wait: they become one tag run when it comes, or default at the end.
class PieceStyler {
public:
    explicit PieceStyler(TextEditor& editor) : editor_(editor) {}

    void add(std::string_view piece)
    {
        const char* const base = piece.data();
        const size_t n = piece.size();
        size_t p = 0;
        if (open_ >= 0) {
            const auto* gt = static_cast<const char*>(std::memchr(base, '>', n));
            if (!gt) return fed(n);
            p = static_cast<size_t>(gt - base) + 1;
            editor_.setStyle(open_, offset_ + static_cast<Pos>(p) - open_, TagStyle);
            open_ = -1;
        }
        styles_.resize(n);
        char* const out = styles_.data();
        size_t known = n;  // the styles of [p, known) are settled
        for (size_t q = p; q < n;) {
            const auto* lt = static_cast<const char*>(std::memchr(base + q, '<', n - q));
            const size_t open = lt ? static_cast<size_t>(lt - base) : n;
            std::memset(out + q, DefaultStyle, open - q);
            if (!lt) break;
            const auto* gt = static_cast<const char*>(std::memchr(lt, '>', n - open));
            if (!gt) {
                open_ = offset_ + static_cast<Pos>(open);
                known = open;
                break;
            }
            q = static_cast<size_t>(gt - base) + 1;
            std::memset(out + open, TagStyle, q - open);
        }
        if (known > p) editor_.setStyles(offset_ + static_cast<Pos>(p), std::string_view(out + p, known - p));
        fed(n);
    }

    // A "<" still open at the end has no ">" after it: default from there on.
    void finish()
    {
        if (open_ >= 0) editor_.setStyle(open_, offset_ - open_, DefaultStyle);
        open_ = -1;
    }

private:
    void fed(size_t n) { offset_ += static_cast<Pos>(n); }
    TextEditor& editor_;
    std::string styles_;  // one piece's styles, reused
    Pos offset_ = 0;      // where the next piece starts
    Pos open_ = -1;       // the "<" of a tag not closed yet, or -1
};

// The end of a line before its line break (CR LF, LF or CR).
Pos lineEnd(const TextEditor& editor, int line)
{
    if (line + 1 >= editor.lineCount()) return editor.length();
    Pos end = editor.lineStart(line + 1);
    const std::string tail = editor.textRange(end - 2, 2);
    if (!tail.empty() && tail.back() == '\n') {
        --end;
        if (tail.size() == 2 && tail.front() == '\r') --end;
    } else if (!tail.empty() && tail.back() == '\r') {
        --end;
    }
    return end;
}

}  // namespace

std::string TagStyles(std::string_view text)
{
    std::string styles(text.size(), static_cast<char>(DefaultStyle));
    forEachTag(text, [&](size_t at, size_t length) { std::memset(styles.data() + at, TagStyle, length); });
    return styles;
}

void ColourWholeText(TextEditor& editor)
{
    // The text is read and styled in pieces of one small reused buffer rather
    // than copied whole, and no style buffer of the text's size is made: both
    // would take fresh memory in proportion to the document.
    const Pos length = editor.length();
    PieceStyler styler(editor);
    for (Pos at = 0; at < length; at += kPiece) styler.add(editor.textRange(at, kPiece));
    styler.finish();
}

void ColourDocument(TextEditor& editor)
{
    ColourWholeText(editor);
    editor.setSelection(0, 0);
}

void RecolourNearCaret(TextEditor& editor, int linesBack, int extraLines)
{
    const Pos caret = editor.selectionStart();
    const int first = editor.lineFromPosition(caret) - linesBack;
    const int last = first + extraLines;
    if (last >= 0) {
        // On very long lines (a minified page) only the part near the caret:
        // restyling megabytes on every keystroke would make typing crawl.
        const Pos start = std::max(editor.lineStart(std::max(first, 0)), caret - kNearCaretReach);
        const Pos end = std::min(lineEnd(editor, last), caret + kNearCaretReach);
        if (end > start) {
            // Only the tag runs are styled, so an entity coloured on these
            // lines keeps its colour.
            forEachTag(editor.textRange(start, end - start), [&](size_t at, size_t length) {
                editor.setStyle(start + static_cast<Pos>(at), static_cast<Pos>(length), TagStyle);
            });
        }
    }
    editor.setSelection(caret, 0);
}

void ClearColours(TextEditor& editor)
{
    editor.clearStyles();
    editor.setSelection(0, 0);
}

}  // namespace markup
