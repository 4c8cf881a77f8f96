// What every command module shares of the editor context: the whole-document
// colouring with its wait caption, and the insertion context of tag commands.
#include "commands/EditorContext.h"

#include "editor/BodyEditor.h"
#include "markup/Highlighter.h"

namespace app {

void colourDocumentWithWait(EditorContext& context)
{
    const WaitCaption wait(context, QString::fromLatin1(kColorizingCaption));
    markup::ColourDocument(context.body());
}

markup::TagContext tagContextOf(EditorContext& context)
{
    const settings::Options& options = context.options();
    const bool on = context.highlightingOn();
    std::function<void()> recolour;
    if (on) recolour = [&context] { context.recolourNearCaret(1, 1); };
    return markup::TagContext{.tagCase = options.tagCase,
                              .keepSelected = options.keepSelected,
                              .fullCellTag = options.fullCellTag,
                              .highlightingOn = on,
                              .flags = context.keyFlags(),
                              .recolourNearCaret = std::move(recolour)};
}

void trackKeyFlags(BodyEditor& body, EditorContext& context)
{
    QObject::connect(&body, &BodyEditor::keyDown, &body, [&context](int key, Qt::KeyboardModifiers modifiers) {
        context.keyFlags() = markup::keyFlagsAfterPress(context.keyFlags(), key, modifiers);
    });
    QObject::connect(&body, &BodyEditor::keyUp, &body, [&context](int, Qt::KeyboardModifiers) {
        context.keyFlags() = markup::keyFlagsAfterRelease(context.keyFlags());
    });
}

}  // namespace app
