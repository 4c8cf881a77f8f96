// The tag insertion engine: wrapping the selection in a start and an end tag in
// the author's tag case, the end-tag-only variants, the comment, table-cell and
// font-size commands and character entities, over the editor port; and the
// rules by which key presses in the editor set the two key-state flags.
#pragma once

#include <QtCore/qnamespace.h>

#include <functional>
#include <string_view>

#include "KeyFlags.h"
#include "TextEditor.h"

namespace markup {

// What the insertions need of the main window: the option variables, the key
// flags and the recolouring of the lines around the caret. `RecolourNearCaret`
// does nothing while highlighting is off; `HighlightingOn` tells InsertEntity
// whether to colour the entity it inserts.
struct TagContext {
    bool tagCase = true;  // true: generated markup in lower case
    bool KeepSelected = true;
    bool FullCellTag = true;
    bool HighlightingOn = false;
    KeyFlags& flags;
    std::function<void()> RecolourNearCaret;
};

// Wraps the selection in <tag> and </tag> (a bare <tag> when nothing is
// selected), or writes </tag> alone while EndTagOnly is set; nothing while
// SuppressTagPair is set. `tagName` is given in lower case.
void InsertTagPair(TextEditor& editor, TagContext& context, std::string_view tagName);
// Replaces the selection with `text` in the tag case; clears EndTagOnly.
void InsertCasedText(TextEditor& editor, TagContext& context, std::string_view text);
// Replaces the selection with `text` as it stands; clears EndTagOnly.
void InsertRawText(TextEditor& editor, TagContext& context, std::string_view text);
// Replaces the selection with a character entity, shown in the tag colour
// while highlighting is on. The key flags are left alone.
void InsertEntity(TextEditor& editor, const TagContext& context, std::string_view entity);

// "<!-- " + selection + " -->", or " -->" alone while EndTagOnly is set.
void insertComment(TextEditor& editor, TagContext& context);
// The table cell: a plain <td> pair, or with FullCellTag a start tag with
// empty width, align, valign and bgcolor attributes.
void insertTableCell(TextEditor& editor, TagContext& context);
// <font size="+1"> (step +1) or <font size="-1"> (step -1) around the
// selection, or the end tag alone while EndTagOnly is set.
void insertFontSizeStep(TextEditor& editor, TagContext& context, int step);

// The key flags after a key press in the editor. The pressed key counts among
// the held modifiers (X11 reports the press of Shift itself without Shift
// held), and "Shift alone" means no other modifier at all, Meta included (on
// X11, Alt pressed while Shift is held arrives as Meta).
KeyFlags keyFlagsAfterPress(KeyFlags flags, int key, Qt::KeyboardModifiers modifiers);
// The key flags after a key is released: EndTagOnly ends; SuppressTagPair
// lasts until the next key press.
KeyFlags keyFlagsAfterRelease(KeyFlags flags);

}  // namespace markup
