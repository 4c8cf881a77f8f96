// Highlighting as the main window runs it, over the markup highlighter.
#include "FormatHighlighting.h"

#include "BodyEditor.h"
#include "EditorContext.h"
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

}  // namespace app
