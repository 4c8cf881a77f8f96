// Syntax highlighting over the editor port: the tag scan as a pure function,
// applied in one styling call for the whole document or run by run for the few
// lines around the caret.
#include "Highlighter.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace markup {
namespace {

// Bytes of text read at a time by the whole-document colouring: small enough
// to be served again and again from the same heap block.
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

// Writes the style of every byte of a text fed piece by piece into `out`,
// which has room for the whole text. A tag may span pieces: `open_` keeps
// where the last piece left one open.
class TagStyleWriter {
public:
    explicit TagStyleWriter(char* out) : out_(out) {}

    void add(std::string_view piece)
    {
        const char* const base = piece.data();
        const size_t n = piece.size();
        size_t p = 0;
        if (open_ != kNone) {
            const auto* gt = static_cast<const char*>(std::memchr(base, '>', n));
            if (!gt) return fed(n);
            p = static_cast<size_t>(gt - base) + 1;
            std::memset(out_ + open_, TagStyle, offset_ + p - open_);
            open_ = kNone;
        }
        while (p < n) {
            const auto* lt = static_cast<const char*>(std::memchr(base + p, '<', n - p));
            const size_t open = lt ? static_cast<size_t>(lt - base) : n;
            std::memset(out_ + offset_ + p, DefaultStyle, open - p);
            if (!lt) break;
            const auto* gt = static_cast<const char*>(std::memchr(lt, '>', n - open));
            if (!gt) {
                open_ = offset_ + open;
                break;
            }
            p = static_cast<size_t>(gt - base) + 1;
            std::memset(out_ + offset_ + open, TagStyle, p - open);
        }
        fed(n);
    }

    // A "<" still open at the end has no ">" after it: default from there on.
    void finish()
    {
        if (open_ != kNone) std::memset(out_ + open_, DefaultStyle, offset_ - open_);
        open_ = kNone;
    }

private:
    static constexpr size_t kNone = static_cast<size_t>(-1);
    void fed(size_t n) { offset_ += n; }
    char* out_;
    size_t offset_ = 0;
    size_t open_ = kNone;
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
    TagStyleWriter writer(styles.data());
    writer.add(text);
    writer.finish();
    return styles;
}

void ColourDocument(TextEditor& editor)
{
    // The text is read in pieces into one small reused buffer rather than
    // copied whole; the styles of the whole document go to the editor in one
    // call, so what lies outside the tags returns to the default colour.
    const Pos length = editor.length();
    const auto styles = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(length));
    TagStyleWriter writer(styles.get());
    for (Pos at = 0; at < length; at += kPiece) writer.add(editor.textRange(at, kPiece));
    writer.finish();
    editor.setStyles(0, std::string_view(styles.get(), static_cast<size_t>(length)));
    editor.setSelection(0, 0);
}

void RecolourNearCaret(TextEditor& editor, int linesBack, int extraLines)
{
    const Pos caret = editor.selectionStart();
    const int first = editor.lineFromPosition(caret) - linesBack;
    const int last = first + extraLines;
    if (last >= 0) {
        const Pos start = editor.lineStart(std::max(first, 0));
        const Pos end = lineEnd(editor, last);
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
