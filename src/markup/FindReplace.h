// Searching and replacing in the document, always forward and ignoring case.
// FindReplace holds the one position where the next search starts (FindPos),
// shared by the find dialog, the replace dialog and Find Next (F3); Replace All
// is a pure pass over the text applied to the editor in one replacement.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "TextEditor.h"

namespace markup {

// Replace All computed over a text as it stood: bytes [start, end) of the old
// text become `replacement`. Nothing changes when count is 0 (also when the
// pass was cancelled).
struct ReplaceAllEdit {
    std::int64_t count = 0;
    Pos start = 0, end = 0;
    std::string replacement;
    bool cancelled = false;

    // The whole new text (tests and callers that hold the text anyway).
    std::string applyTo(std::string_view text) const;
};

// What a long pass running on a thread of its own is told and tells: it stops
// soon after `cancel` is set, and keeps `done` (0 to 1000) moving.
struct PassProgress {
    const std::atomic<bool>* cancel = nullptr;
    std::atomic<int>* done = nullptr;
};

// Every match of `what` (ignoring case) from the start, left to right, each
// replaced by `with`; a replacement is never searched again. O(n), and the
// memory it takes is the replacement's own: the matches are counted first, so
// that the replacement is made once, at its final size.
ReplaceAllEdit replaceAllMatches(std::string_view text, std::string_view what, std::string_view with,
                                 PassProgress progress = {});

// The texts of the two message boxes.
std::string notFoundMessage(std::string_view what);   // "\"what\" not found."
std::string replacementsMessage(std::int64_t count);  // "3 replacements made.", "1 replacement made."

// Lines that Go to line counts: every line, except an empty last line after a
// final line break.
int goToLineCount(const TextEditor& editor);
// The end of line `line` counted from 1, before its line break.
Pos endOfLine(const TextEditor& editor, int line);

class FindReplace {
public:
    enum class Outcome {
        Skipped,   // the find text is empty: nothing happened
        Found,     // the match is selected
        NotFound,  // FindPos is back at 0 and nothing is selected
    };

    Pos findPos() const { return findPos_; }
    void setFindPos(Pos pos) { findPos_ = pos; }

    // Find Next of the find dialog and F3: selects the next match from FindPos;
    // the next search starts at its end.
    Outcome findNext(TextEditor& editor, std::string_view what);
    // Find Next of the replace dialog: as findNext, but the next search starts
    // one character past the end of the match.
    Outcome findNextForReplace(TextEditor& editor, std::string_view what);
    // Replace: replaces the selection by `with` when the selection is a match
    // (never anything else), then selects the next match from FindPos; the next
    // search starts one past where that match's replacement will end.
    Outcome replaceOne(TextEditor& editor, std::string_view what, std::string_view with);
    // Replace All from the top (FindPos is neither used nor changed), in one
    // replacement that leaves the caret after the last replaced text. Returns
    // the count, or -1 when the find text is empty. `text` is the editor's
    // whole text as it stands, when the caller can lend it without a copy.
    static std::int64_t replaceAll(TextEditor& editor, std::string_view text, std::string_view what,
                                   std::string_view with);
    static std::int64_t replaceAll(TextEditor& editor, std::string_view what, std::string_view with)
    {
        return replaceAll(editor, editor.text(), what, with);
    }
    // The second half of replaceAll: `edit`, computed over the editor's text
    // as it stands, applied in one replacement.
    static void apply(TextEditor& editor, const ReplaceAllEdit& edit);

private:
    // Searches from FindPos to the end; selects the match and returns its
    // position and byte length, or collapses the selection and returns -1.
    Pos search(TextEditor& editor, std::string_view what, Pos* matchLength);
    Pos findPos_ = 0;
};

}  // namespace markup
