// What every command module shares of the editor context: the whole-document
// colouring with its wait caption, and the insertion context of tag commands.
#include "commands/CommandContext.h"

#include "editor/BodyControl.h"
#include "markup/Highlighter.h"

namespace commands {

void colourDocumentWithWait(CommandContext& context)
{
    const WaitCaption wait(context, QString::fromLatin1(kColourizingCaption));
    markup::ColourDocument(context.body());
}

markup::TagContext tagContextOf(CommandContext& context)
{
    const settings::Options& options = context.options();
    const bool on = context.HighlightingOn();
    std::function<void()> recolour;
    if (on) recolour = [&context] { context.RecolourNearCaret(1, 1); };
    return markup::TagContext{.tagCase = options.tagCase,
                              .KeepSelected = options.KeepSelected,
                              .FullCellTag = options.FullCellTag,
                              .HighlightingOn = on,
                              .flags = context.keyFlags(),
                              .RecolourNearCaret = std::move(recolour)};
}

void trackKeyFlags(editor::BodyControl& body, CommandContext& context)
{
    QObject::connect(&body, &editor::BodyControl::keyDown, &body, [&context](int key, Qt::KeyboardModifiers modifiers) {
        context.keyFlags() = markup::keyFlagsAfterPress(context.keyFlags(), key, modifiers);
    });
    QObject::connect(&body, &editor::BodyControl::keyUp, &body, [&context](int, Qt::KeyboardModifiers) {
        context.keyFlags() = markup::keyFlagsAfterRelease(context.keyFlags());
    });
}

}  // namespace commands
