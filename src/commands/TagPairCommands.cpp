// Tag pairs in the editor: Edit > Go to Matching Tag and Edit > Select
// Element, the marks on both tags of the element the caret is in, and the end
// tag written when "</" is typed (an option, on unless the author turned it
// off).
#include <QTimer>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "editor/BodyControl.h"
#include "markup/TagPairs.h"
#include "markup/Text.h"

namespace commands {
namespace {

// The marks follow the caret once it rests this long, so that a held arrow
// key or fast typing does not mark every step.
constexpr int kMarkDelayMs = 60;

void goToMatchingTag(editor::TextView& body)
{
    // Near the caret first: reading a 50 MB page from its start takes a while.
    auto pair = markup::findTagPair(body.characters(), body.caretPosition(), markup::kPairReach);
    if (pair && !pair->partner) pair = markup::findTagPair(body.characters(), body.caretPosition());
    if (pair && pair->partner) body.setSelection(pair->partner->start, 0);
}

void selectElement(editor::TextView& body)
{
    const markup::Pos start = body.selectionStart();
    const auto element = markup::enclosingElement(body.characters(), start, start + body.selectionLength());
    if (element) body.setSelection(element->start, element->end - element->start);
}

void markPair(editor::BodyControl& body)
{
    const auto pair = markup::findTagPair(body.characters(), body.caretPosition(), markup::kPairReach);
    std::vector<markup::Span> tags;
    if (pair) tags.push_back(pair->tag);
    if (pair && pair->partner) tags.push_back(*pair->partner);
    body.markTags(tags);
}

// After "</" typed with nothing selected: the end tag of the innermost element
// still open, unless a name or ">" follows already.
void completeEndTag(CommandContext& context)
{
    editor::TextView& body = context.body();
    const markup::Pos caret = body.caretPosition();
    if (!context.options().closeTags || body.selectionLength() != 0 || caret < 2) return;
    const std::string_view text = body.characters();
    const auto at = static_cast<size_t>(caret);
    if (text.substr(at - 2, 2) != "</") return;
    if (at < text.size() && (markup::isAsciiLetter(text[at]) || text[at] == '>')) return;
    const std::string name = markup::openElementAt(text, caret - 2, markup::kPairReach);
    if (name.empty()) return;
    // A replacement is an undo step of its own: one Undo leaves the "</" typed.
    body.replaceSelection(name + '>');
    context.RecolourNearCaret(1, 1);
}

}  // namespace

void registerTagPairCommands(CommandContext& context, CommandRegistry& r)
{
    editor::BodyControl& body = context.bodyControl();
    r.add(QStringLiteral("EditMatchingTagClick"), [&body] { goToMatchingTag(body); });
    r.add(QStringLiteral("EditSelectElementClick"), [&body] { selectElement(body); });
    auto* timer = new QTimer(&body);
    timer->setSingleShot(true);
    timer->setInterval(kMarkDelayMs);
    QObject::connect(timer, &QTimer::timeout, &body, [&body] { markPair(body); });
    QObject::connect(&body, &editor::BodyControl::caretMoved, timer, qOverload<>(&QTimer::start));
    QObject::connect(&body, &editor::BodyControl::characterTyped, &body, [&context](int character) {
        if (character == '/') completeEndTag(context);
    });
}

}  // namespace commands
