// Syntax highlighting: tags (from a "<" to the next ">") in the tag style, the
// rest in the default style, over the editor port. Colour is a display
// attribute only: it never changes the text, the undo history or the modified
// flag.
#pragma once

#include <string>
#include <string_view>

#include "TextEditor.h"

namespace markup {

// One style byte per byte of `text`: TagStyle from each "<" to the next ">"
// (inclusive), DefaultStyle elsewhere. A "<" without a ">" after it ends the
// scan, so the text from it on stays in the default style. O(n).
std::string tagStyles(std::string_view text);

// Colours every tag of the whole text in one pass, in pieces (memory does not
// grow with the document); the caret and selection stay as they are.
void colourWholeText(TextEditor& editor);
// colourWholeText, then the caret goes to the start of the document.
void ColourDocument(TextEditor& editor);
// Colours the tags of the lines from `linesBack` lines above the caret's line
// to `extraLines` lines below that first line, leaving every other character's
// colour as it is; the caret stays where it was with nothing selected. Of
// those lines only the bytes within kNearCaretReach of the caret are looked
// at, which matters only on very long lines.
inline constexpr Pos kNearCaretReach = 4096;
void RecolourNearCaret(TextEditor& editor, int linesBack, int extraLines);
// Every character back to the default style; the caret goes to the start.
void ClearColours(TextEditor& editor);

}  // namespace markup
