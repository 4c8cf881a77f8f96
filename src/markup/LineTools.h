// Line tools: joining the lines of a selection, turning lines into list items
// and wrapping plain text as an HTML page of pre-formatted text. The text
// functions are pure; the editor functions apply them in one edit.
#pragma once

#include <string>
#include <string_view>

#include "TextEditor.h"

namespace markup {

// Every line break (CR LF, or a lone LF or CR) becomes one space.
std::string joinLines(std::string_view text);

// Every line of `text` (line breaks kept) as "<li>" + line + "</li>" in the
// author's tag case.
std::string listItems(std::string_view text, bool lowerCase);

// The HTML page around a plain text: the header, the text and the trailer,
// in the author's tag case, with every lone CR or LF made a CR LF pair.
std::string textToHtml(std::string_view text, bool lowerCase);

// Replaces the selection by its joined lines; the caret ends at the
// selection's start with nothing selected. Nothing happens without a selection.
void removeLineBreaks(TextEditor& editor);

// Converts the lines from the selection's start line F to the line before the
// selection's end line G + 1, in one edit; the caret ends after the last
// converted line. Returns false, changing nothing, when there is no such line.
bool convertToListItems(TextEditor& editor, bool lowerCase);

}  // namespace markup
