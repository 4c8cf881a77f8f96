// Syntax highlighting over the editor port: the tag scan as a pure function,
// applied piece by piece for the whole document or run by run for the few
// lines around the caret.
#include "Highlighter.h"

#include <algorithm>
#include <cstring>

#include "Text.h"

namespace markup {
namespace {

// Bytes of text read and styled at a time by the whole-document colouring:
// small enough to be served again and again from the same heap block.
constexpr Pos kPiece = 64 * 1024;

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

}  // namespace

std::string tagStyles(std::string_view text)
{
    std::string styles(text.size(), static_cast<char>(DefaultStyle));
    forEachTag(text, [&](size_t l, size_t g) { std::memset(styles.data() + l, TagStyle, g - l + 1); });
    return styles;
}

void colourWholeText(TextEditor& editor)
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
    colourWholeText(editor);
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
            // A "<" inside a tag starts no run of its own: the runs are the
            // union of the overlapping ones a scan restarting after each "<"
            // would colour.
            forEachTag(editor.textRange(start, end - start), [&](size_t l, size_t g) {
                editor.setStyle(start + static_cast<Pos>(l), static_cast<Pos>(g - l + 1), TagStyle);
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
