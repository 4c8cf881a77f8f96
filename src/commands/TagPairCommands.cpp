// Tag pairs in the editor: Edit > Go to Matching Tag and Edit > Select
// Element, the marks on both tags of the element the caret is in, and the end
// tag written when "</" is typed (an option, on unless the author turned it
// off).
#include <QTimer>
#include <algorithm>
#include <optional>

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

// The text within reach of the caret, copied: reading it in place would first
// make the whole text contiguous, moving up to all of a 50 MB page after an
// edit in its middle.
struct NearCaret {
    std::string text;
    markup::Pos base;  // where it starts in the document
};
NearCaret nearCaret(const editor::TextView& body, markup::Pos caret)
{
    const markup::Pos from = std::max<markup::Pos>(0, caret - markup::kPairReach);
    return {body.textRange(from, caret + markup::kPairReach - from), from};
}

// The pair at the caret, near it only or in the whole text.
std::optional<markup::TagPair> pairAt(const editor::TextView& body, bool whole)
{
    const markup::Pos caret = body.caretPosition();
    if (whole) return markup::findTagPair(body.characters(), caret);
    const NearCaret near = nearCaret(body, caret);
    auto pair = markup::findTagPair(near.text, caret - near.base);
    for (markup::Span* s : {pair ? &pair->tag : nullptr, pair && pair->partner ? &*pair->partner : nullptr})
        if (s) *s = {s->start + near.base, s->end + near.base};
    return pair;
}

void goToMatchingTag(editor::TextView& body)
{
    // Near the caret first: reading a 50 MB page from its start takes a while.
    auto pair = pairAt(body, false);
    if (pair && !pair->partner) pair = pairAt(body, true);
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
    const auto pair = pairAt(body, false);
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
    const std::string typed = body.textRange(caret - 2, 3);
    if (typed.substr(0, 2) != "</") return;
    if (typed.size() > 2 && (markup::isAsciiLetter(typed[2]) || typed[2] == '>')) return;
    const NearCaret near = nearCaret(body, caret - 2);
    const std::string name = markup::openElementAt(near.text, caret - 2 - near.base);
    if (name.empty()) return;
    // A replacement is an undo step of its own: one Undo leaves the "</" typed.
    body.replaceSelection(name + '>');
    // An author who goes on to type the end tag gets it once, as without the completion.
    context.bodyControl().expectTypedThrough(QString::fromStdString(name + '>'));
    context.RecolourNearCaret(1, 1);
}

}  // namespace

void registerTagPairCommands(CommandContext& context, CommandRegistry& r)
{
    editor::BodyControl& body = context.bodyControl();
    r.add(QStringLiteral("EditMatchingTagClick"), [&body] { goToMatchingTag(body); });
    r.add(QStringLiteral("EditSelectElementClick"), [&body] { selectElement(body); });
    // Not on any menu: the marks at once (the benchmarks time them).
    r.add(QStringLiteral("MarkTagPair"), [&body] { markPair(body); });
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
