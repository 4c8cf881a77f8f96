// Find Next, Replace and Replace All over the editor port, and Go to line's
// arithmetic.
#include "FindReplace.h"

#include <vector>

#include "CaseFold.h"

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

ReplaceAllEdit replaceAllMatches(std::string_view text, std::string_view what, std::string_view with)
{
    ReplaceAllEdit edit;
    if (what.empty()) return edit;
    // First the matches, then the new text in one allocation of its final size:
    // growing it as it is written would copy it over and over.
    struct Match {
        Pos at, length;
    };
    std::vector<Match> matches;
    const FoldedPattern pattern(what);
    const auto n = static_cast<Pos>(text.size());
    Pos length = 0, matched = 0;
    // Each search starts after the previous match (and looks no further than
    // the next one): an inserted text is never searched.
    for (Pos at = pattern.find(text, 0, n, &length); at >= 0; at = pattern.find(text, at + length, n, &length)) {
        matches.push_back({at, length});
        matched += length;
    }
    if (matches.empty()) return edit;
    edit.count = static_cast<std::int64_t>(matches.size());
    edit.start = matches.front().at;
    edit.end = matches.back().at + matches.back().length;
    std::string& out = edit.replacement;
    out.reserve(static_cast<size_t>(edit.end - edit.start - matched) + matches.size() * with.size());
    Pos copied = edit.start;
    for (const Match& m : matches) {
        out.append(text.substr(static_cast<size_t>(copied), static_cast<size_t>(m.at - copied)));
        out.append(with);
        copied = m.at + m.length;
    }
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
    if (edit.count == 0) return 0;
    // Only the span from the first to the last match is replaced, so the caret
    // ends after the last replacement as if each had been replaced in turn.
    editor.setSelection(edit.start, edit.end - edit.start);
    editor.replaceSelection(edit.replacement);
    return edit.count;
}

}  // namespace markup
