// Highlighting as the main window runs it: the whole-document colouring with
// its wait caption and wait cursor, and the insertion context the tag commands
// build from the editor context.
#pragma once

#include "markup/TagEngine.h"

namespace app {

class EditorContext;

// The caption shown while the whole document is coloured.
inline constexpr const char* kColorizingCaption = "Colorizing - Please wait...";

// Colours every tag of the document with the wait caption and the wait cursor
// shown meanwhile: what EditorContext::colourDocument runs while highlighting
// is on. The caret goes to the start of the document and the modified flag is
// left as it was.
void colourDocumentWithWait(EditorContext& context);

// The option variables, key flags and recolouring for one tag command.
markup::TagContext tagContextOf(EditorContext& context);

}  // namespace app
