// The tag insertion engine over the editor port, and the key-flag rules.
#include "TagEngine.h"

#include <string>

#include "TagCase.h"

namespace markup {
namespace {

using namespace std::string_view_literals;

void recolour(TagContext& context)
{
    if (context.RecolourNearCaret) context.RecolourNearCaret();
}

// Replaces the selection with start + selection + end (start alone when
// nothing is selected), recolours, and with KeepSelected selects the wrapped
// text again, now just after the start tag.
void wrapSelection(TextEditor& editor, TagContext& context, const std::string& start, const std::string& end)
{
    const Pos s = editor.selectionStart();
    const Pos length = editor.selectionLength();
    const std::string selected = editor.selectedText();
    editor.replaceSelection(selected.empty() ? start : start + selected + end);
    recolour(context);
    if (context.KeepSelected) editor.setSelection(s + static_cast<Pos>(start.size()), length);
}

}  // namespace

void InsertTagPair(TextEditor& editor, TagContext& context, std::string_view tagName)
{
    if (context.flags.SuppressTagPair) return;
    const std::string tag = toTagCase(tagName, context.tagCase);
    if (context.flags.EndTagOnly) {
        editor.replaceSelection("</" + tag + ">");
        context.flags.EndTagOnly = false;
        recolour(context);
        return;
    }
    wrapSelection(editor, context, "<" + tag + ">", "</" + tag + ">");
}

void InsertCasedText(TextEditor& editor, TagContext& context, std::string_view text)
{
    editor.replaceSelection(toTagCase(text, context.tagCase));
    context.flags.EndTagOnly = false;
    recolour(context);
}

void InsertRawText(TextEditor& editor, TagContext& context, std::string_view text)
{
    editor.replaceSelection(text);
    context.flags.EndTagOnly = false;
    recolour(context);
}

void InsertEntity(TextEditor& editor, const TagContext& context, std::string_view entity)
{
    editor.replaceSelection(entity);
    if (!context.HighlightingOn) return;
    // The caret stands after the entity; text typed next takes the default
    // style, as all inserted text does.
    const Pos end = editor.selectionStart();
    editor.setStyle(end - static_cast<Pos>(entity.size()), static_cast<Pos>(entity.size()), TagStyle);
}

void insertComment(TextEditor& editor, TagContext& context)
{
    // Comments keep their spacing, take no tag case and are not recoloured.
    if (context.flags.EndTagOnly) {
        editor.replaceSelection(" -->");
        context.flags.EndTagOnly = false;
        return;
    }
    const std::string selected = editor.selectedText();
    editor.replaceSelection(selected.empty() ? std::string("<!-- ") : "<!-- " + selected + " -->");
}

void insertTableCell(TextEditor& editor, TagContext& context)
{
    if (!context.FullCellTag) {
        InsertTagPair(editor, context, "td");
        return;
    }
    // The full start tag ignores both key flags: its end tag has a command of
    // its own.
    const std::string start = toTagCase(R"(td width="" align="" valign="" bgcolor="")"sv, context.tagCase);
    wrapSelection(editor, context, "<" + start + ">", "</" + toTagCase("td"sv, context.tagCase) + ">");
}

void insertFontSizeStep(TextEditor& editor, TagContext& context, int step)
{
    const std::string end = toTagCase("</font>"sv, context.tagCase);
    if (context.flags.EndTagOnly) {
        // Unlike the other end-tag insertions this one leaves EndTagOnly set.
        editor.replaceSelection(end);
        recolour(context);
        return;
    }
    const std::string start = toTagCase(step < 0 ? R"(<font size="-1">)"sv : R"(<font size="+1">)"sv, context.tagCase);
    wrapSelection(editor, context, start, end);
}

KeyFlags keyFlagsAfterPress(KeyFlags flags, int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
        case Qt::Key_Shift:
            modifiers |= Qt::ShiftModifier;
            break;
        case Qt::Key_Control:
            modifiers |= Qt::ControlModifier;
            break;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            modifiers |= Qt::AltModifier;
            break;
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
            modifiers |= Qt::MetaModifier;
            break;
        default:
            break;
    }
    // The keypad flag marks where a key is, not a key held down.
    modifiers &= ~Qt::KeypadModifier;
    flags.EndTagOnly = modifiers == Qt::ShiftModifier;
    flags.SuppressTagPair = modifiers == (Qt::ShiftModifier | Qt::ControlModifier);
    return flags;
}

KeyFlags keyFlagsAfterRelease(KeyFlags flags)
{
    flags.EndTagOnly = false;
    return flags;
}

}  // namespace markup
