// Find Next, Replace and Replace All over the editor port, and Go to line's
// arithmetic.
#include "FindReplace.h"

#include <algorithm>

#include "FoldedPattern.h"

namespace markup {
namespace {

// A folded character may take more bytes in the text than in the find text
// (the Kelvin sign folds to "k"): no match is longer than four bytes for each
// byte of the find text.
Pos longestMatch(std::string_view what)
{
    return static_cast<Pos>(what.size()) * 4;
}

// The byte length of the match of `what` that starts at `at`.
Pos matchLengthAt(const TextEditor& editor, std::string_view what, Pos at)
{
    const std::string near = editor.textRange(at, longestMatch(what));
    Pos length = 0;
    if (FoldedPattern(what).find(near, 0, static_cast<Pos>(near.size()), &length) != 0) return 0;
    return length;
}

// Whether the whole selection is one match of `what`.
bool selectionIsMatch(const TextEditor& editor, std::string_view what)
{
    if (editor.selectionLength() <= 0) return false;
    const std::string selected = editor.selectedText();
    Pos length = 0;
    return FoldedPattern(what).find(selected, 0, static_cast<Pos>(selected.size()), &length) == 0 &&
           length == static_cast<Pos>(selected.size());
}

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

}  // namespace

std::string ReplaceAllEdit::applyTo(std::string_view text) const
{
    if (count == 0) return std::string(text);
    std::string out;
    out.reserve(text.size() - static_cast<size_t>(end - start) + replacement.size());
    out.append(text.substr(0, static_cast<size_t>(start)));
    out.append(replacement);
    out.append(text.substr(static_cast<size_t>(end)));
    return out;
}

ReplaceAllEdit replaceAllMatches(std::string_view text, std::string_view what, std::string_view with,
                                 PassProgress progress)
{
    ReplaceAllEdit edit;
    if (what.empty()) return edit;
    const FoldedPattern pattern(what);
    const auto n = static_cast<Pos>(text.size());
    const auto cancelled = [&] { return progress.cancel && progress.cancel->load(std::memory_order_relaxed); };
    // Calls `onMatch(at, length)` for every match, left to right; each search
    // starts after the previous match, so an inserted text is never searched.
    // The text is searched a step at a time, so that a long stretch without a
    // match still notices a cancel: a match is taken when it starts within the
    // step, which its longest match past the step's end lets it finish in.
    // False when cancelled. Progress: the first scan makes the first half.
    const Pos longest = longestMatch(what);
    const auto scan = [&](int half, auto onMatch) {
        constexpr Pos kStep = Pos(1) << 16;
        Pos length = 0;
        for (Pos from = 0, nextCheck = kStep;;) {
            const Pos stepEnd = std::min(n, from + kStep);
            const Pos at = pattern.find(text, from, std::min(n, stepEnd + longest), &length);
            if (at >= 0 && at < stepEnd) {
                onMatch(at, length);
                from = at + length;
            } else if (stepEnd == n) {
                return !cancelled();
            } else {
                from = stepEnd;
            }
            if (from < nextCheck) continue;
            nextCheck = from + kStep;
            if (cancelled()) return false;
            if (progress.done) progress.done->store(half * 500 + static_cast<int>(from * 500 / n));
        }
    };
    // Counted first, so that the new text is made once at its final size:
    // a list of the matches took 16 bytes for every match, and a text grown
    // as it is written is copied over and over (three times its size at the
    // last step).
    Pos matched = 0;
    const bool counted = scan(0, [&](Pos at, Pos length) {
        if (edit.count++ == 0) edit.start = at;
        edit.end = at + length;
        matched += length;
    });
    if (!counted || edit.count == 0) return ReplaceAllEdit{0, 0, 0, {}, !counted};
    std::string& out = edit.replacement;
    out.reserve(static_cast<size_t>(edit.end - edit.start - matched) + static_cast<size_t>(edit.count) * with.size());
    Pos copied = edit.start;
    const bool built = scan(1, [&](Pos at, Pos length) {
        out.append(text.substr(static_cast<size_t>(copied), static_cast<size_t>(at - copied)));
        out.append(with);
        copied = at + length;
    });
    if (!built) return ReplaceAllEdit{0, 0, 0, {}, true};
    if (progress.done) progress.done->store(1000);
    return edit;
}

std::string notFoundMessage(std::string_view what)
{
    return "\"" + std::string(what) + "\" not found.";
}

std::string replacementsMessage(std::int64_t count)
{
    return std::to_string(count) + (count == 1 ? " replacement made." : " replacements made.");
}

int goToLineCount(const TextEditor& editor)
{
    const int lines = editor.lineCount();
    const Pos length = editor.length();
    if (lines > 1 && length > 0 && isLineBreak(editor.textRange(length - 1, 1)[0])) return lines - 1;
    return lines;
}

Pos endOfLine(const TextEditor& editor, int line)
{
    if (line <= 0) return 0;
    if (line >= editor.lineCount()) return editor.length();
    return lineEnd(editor, line - 1);
}

Pos FindReplace::search(TextEditor& editor, std::string_view what, Pos* matchLength)
{
    const Pos at = editor.findText(what, findPos_, editor.length());
    if (at < 0) {
        // Nothing stays selected, so that a following Replace cannot replace
        // text that is no match.
        editor.setSelection(editor.selectionStart() + editor.selectionLength(), 0);
        findPos_ = 0;
        return -1;
    }
    *matchLength = matchLengthAt(editor, what, at);
    editor.setSelection(at, *matchLength);
    return at;
}

FindReplace::Outcome FindReplace::findNext(TextEditor& editor, std::string_view what)
{
    if (what.empty()) return Outcome::Skipped;
    Pos length = 0;
    const Pos at = search(editor, what, &length);
    if (at < 0) return Outcome::NotFound;
    findPos_ = at + length;
    return Outcome::Found;
}

FindReplace::Outcome FindReplace::findNextForReplace(TextEditor& editor, std::string_view what)
{
    if (what.empty()) return Outcome::Skipped;
    Pos length = 0;
    const Pos at = search(editor, what, &length);
    if (at < 0) return Outcome::NotFound;
    findPos_ = at + length + 1;
    return Outcome::Found;
}

FindReplace::Outcome FindReplace::replaceOne(TextEditor& editor, std::string_view what, std::string_view with)
{
    if (what.empty()) return Outcome::Skipped;
    if (selectionIsMatch(editor, what)) editor.replaceSelection(with);
    Pos length = 0;
    const Pos at = search(editor, what, &length);
    if (at < 0) return Outcome::NotFound;
    findPos_ = at + static_cast<Pos>(with.size()) + 1;
    return Outcome::Found;
}

std::int64_t FindReplace::replaceAll(TextEditor& editor, std::string_view text, std::string_view what,
                                     std::string_view with)
{
    if (what.empty()) return -1;
    // `text` may be the editor's own buffer: it is read to the end before the
    // editor changes.
    const ReplaceAllEdit edit = replaceAllMatches(text, what, with);
    apply(editor, edit);
    return edit.count;
}

void FindReplace::apply(TextEditor& editor, const ReplaceAllEdit& edit)
{
    if (edit.count == 0) return;
    // Only the span from the first to the last match is replaced, so the caret
    // ends after the last replacement as if each had been replaced in turn.
    editor.setSelection(edit.start, edit.end - edit.start);
    editor.replaceSelection(edit.replacement);
}

}  // namespace markup
