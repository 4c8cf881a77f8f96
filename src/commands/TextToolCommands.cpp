// Handlers of the whole-document text tools: tag case, tag removal, entities
// and the line tools. Each whole-document pass computes the new text with a
// pure function and puts it into the editor in one replacement.
#include "commands/TextToolCommands.h"

#include <QAction>
#include <QApplication>
#include <QWidget>
#include <algorithm>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "editor/TextView.h"
#include "interaction/Interaction.h"
#include "markup/Entities.h"
#include "markup/LineTools.h"
#include "markup/TagCaseConversion.h"

namespace commands {
namespace {

// The wait cursor alone, for the passes that keep the caption.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Puts `after` in place of the whole text `before` in one replacement, and
// returns false when nothing differs. When the text does not grow, only the
// part that differs is replaced: the control then keeps its buffers instead of
// freeing and refilling them. A text that grows is replaced whole, since the
// control would otherwise enlarge its buffers by the old size plus the new.
bool replaceChangedPart(editor::TextView& body, std::string_view before, std::string_view after)
{
    if (after.size() > before.size()) {
        body.replaceAll(after);
        return true;
    }
    const size_t shorter = after.size();
    size_t head = 0;
    while (head < shorter && before[head] == after[head]) ++head;
    if (head == before.size() && head == after.size()) return false;
    size_t tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
    body.setSelection(static_cast<markup::Pos>(head), static_cast<markup::Pos>(before.size() - head - tail));
    body.replaceSelection(after.substr(head, after.size() - head - tail));
    return true;
}

// Tag case conversion (upper or lower) or tag removal over the whole document.
// The pass cannot be undone; a pass that changed the text marks the document
// modified, so that closing asks about it. The caret ends at the end of the
// first line.
enum class TagPass { Upper, Lower, Remove };

void runTagPass(CommandContext& context, TagPass pass)
{
    editor::TextView& body = context.body();
    bool broken = false;
    {
        const WaitCaption wait(context, pass == TagPass::Remove ? QStringLiteral("Removing Tags - Please wait...")
                                                                : QStringLiteral("Converting Tags - Please wait..."));
        const bool wasModified = body.isModified();
        const std::string_view text = body.characters();
        const markup::TagPassResult result =
            pass == TagPass::Remove ? markup::RemoveTags(text) : markup::convertTagCase(text, pass == TagPass::Upper);
        broken = result.brokenTag;
        // The history is emptied anyway, so the replacement is not recorded:
        // that spares copying the whole document twice.
        body.setUndoCollection(false);
        const bool changed = replaceChangedPart(body, text, result.text);
        if (changed) context.ColourDocument();
        body.emptyUndoBuffer();
        body.setUndoCollection(true);
        const size_t firstLineEnd = std::min(result.text.find_first_of("\r\n"), result.text.size());
        body.setSelection(static_cast<markup::Pos>(firstLineEnd), 0);
        body.setModified(wasModified || changed);
    }
    // Shown after the wait ends, so the message box has the normal cursor.
    if (broken) interaction::ui().warn(QStringLiteral("An error occurred, possibly due to a broken tag."));
}

// Special characters to entities or back over the whole document; the caret
// goes back to its offset and the view to its first line.
void runEntityPass(CommandContext& context, bool toHtml)
{
    editor::TextView& body = context.body();
    const WaitCursor wait;
    const markup::Pos caret = body.selectionStart();
    const int firstLine = body.firstVisibleDocumentLine();
    const std::string_view text = body.characters();
    const std::string converted = toHtml ? markup::SpecialToHtml(text) : markup::HtmlToSpecial(text);
    if (!replaceChangedPart(body, text, converted)) return;
    context.ColourDocument();
    body.setSelection(std::min(caret, body.length()), 0);
    body.scrollToDocumentLine(firstLine);
}

void removeReturns(CommandContext& context)
{
    editor::TextView& body = context.body();
    if (body.selectionLength() == 0) {
        interaction::ui().inform(QStringLiteral(
            "You must select an area of text from which you would like to remove line-feeds and carriage-returns."));
        return;
    }
    if (interaction::ui().ask(QStringLiteral("You cannot undo this later, continue?"), interaction::Buttons::YesNo) !=
        interaction::Answer::Yes)
        return;
    const WaitCursor wait;
    markup::removeLineBreaks(body);
    body.emptyUndoBuffer();
}

void listItems(CommandContext& context)
{
    editor::TextView& body = context.body();
    if (body.selectionLength() == 0) {
        interaction::ui().inform(QStringLiteral("You do not have any lines selected."));
        return;
    }
    if (markup::convertToListItems(body, context.options().tagCase)) body.emptyUndoBuffer();
}

void textToHtml(CommandContext& context)
{
    const QString question = QStringLiteral(
        "This will select the entire body of text and add tags to the beginning and end to make it viewable as an "
        "HTML document using pre-formatted text, rather than just plain text.\n\nContinue?");
    if (interaction::ui().ask(question, interaction::Buttons::YesNo) != interaction::Answer::Yes) return;
    editor::TextView& body = context.body();
    body.focus();
    const std::string page = markup::textToHtml(body.characters(), context.options().tagCase);
    body.setSelection(0, body.length());
    body.replaceSelection(page);
}

// Sets the captions of the special-character entries.
void setSpecialCaptions(CommandContext& context)
{
    for (const char* name : {"ToolsS2H", "ToolsH2S"}) {
        const QString entryName = QString::fromLatin1(name);
        context.commands().action(entryName)->setText(specialCaption(entryName));
    }
}

}  // namespace

QString specialCaption(const QString& entryName)
{
    if (entryName == QLatin1String("ToolsS2H")) return QStringLiteral("&Special Characters to HTML");
    if (entryName == QLatin1String("ToolsH2S")) return QStringLiteral("&HTML to Special Characters");
    return {};
}

void registerTextToolCommands(CommandContext& context, CommandRegistry& registry)
{
    CommandContext* c = &context;
    registry.add(QStringLiteral("ToolsConvertUpperClick"), [c] { runTagPass(*c, TagPass::Upper); });
    registry.add(QStringLiteral("ToolsConvertLowerClick"), [c] { runTagPass(*c, TagPass::Lower); });
    registry.add(QStringLiteral("ToolsRemoveTagsClick"), [c] { runTagPass(*c, TagPass::Remove); });
    registry.add(QStringLiteral("ToolsS2HClick"), [c] { runEntityPass(*c, true); });
    registry.add(QStringLiteral("ToolsH2SClick"), [c] { runEntityPass(*c, false); });
    registry.add(QStringLiteral("ToolsConvertClick"), [c] { setSpecialCaptions(*c); });
    registry.add(QStringLiteral("ToolsRemoveReturnsClick"), [c] { removeReturns(*c); });
    registry.add(QStringLiteral("ToolsListItemsClick"), [c] { listItems(*c); });
    registry.add(QStringLiteral("FormatText2HtmlClick"), [c] { textToHtml(*c); });
}

}  // namespace commands
