// Syntax highlighting: tags (from a "<" to the next ">") in the tag style, the
// rest in the default style, over the editor port.
#pragma once

#include "TextEditor.h"

namespace markup {

// Colours the whole document in one pass and one styling call.
void ColourDocument(TextEditor& editor);
// Recolours the lines from `linesBack` lines above the caret's line to
// `extraLines` lines below it.
void RecolourNearCaret(TextEditor& editor, int linesBack, int extraLines);
// Every character back to the default style.
void ClearColours(TextEditor& editor);

}  // namespace markup
