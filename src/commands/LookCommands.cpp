// The editor's look and keys as the options say, each time they are read: the
// key set of the menus and shortcuts, the colour theme (a dark desktop decides
// "follow the desktop") with the tag colour readable on it, and colour as you
// type. Turning colour as you type off gives the highlighter its colours back.
// A new desktop palette applies them again.
#include <QEvent>
#include <QWidget>
#include <functional>
#include <memory>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "commands/KeySets.h"
#include "editor/TextView.h"
#include "settings/Options.h"
#include "settings/Themes.h"

namespace commands {
namespace {

void applyLook(CommandContext& context, bool& lexing)
{
    const settings::Options& o = context.options();
    context.commands().setKeySet(o.keySet == 1 ? KeySet::Desktop : KeySet::Classic);
    const settings::Theme& theme = settings::themeFor(o.theme, settings::desktopIsDark());
    editor::TextView& body = context.body();
    body.setThemeColours({theme.paper, theme.text, theme.selection, theme.caret, theme.dark});
    body.setTagColour(settings::shownTagColour(o.syntaxClr, theme));
    body.setLiveColouring(o.liveColour);
    if (lexing && !o.liveColour && context.HighlightingOn()) context.ColourDocument();
    lexing = o.liveColour;
}

// Tells of a new application palette, as every window hears of it.
class DesktopWatch : public QObject {
public:
    DesktopWatch(QWidget& window, std::function<void()> changed) : QObject(&window), changed_(std::move(changed))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // The window has no palette of its own: it follows the application's.
        if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange) changed_();
        return false;
    }

private:
    std::function<void()> changed_;
};

}  // namespace

void registerLookCommands(CommandContext& context, CommandRegistry& registry)
{
    auto lexing = std::make_shared<bool>(false);
    applyLook(context, *lexing);
    registry.onOptionsLoaded([&context, lexing] { applyLook(context, *lexing); });
    // The desktop's colours changed: a theme that follows them, and the
    // classic selection colours, change too.
    new DesktopWatch(*context.window(), [&context, lexing] { applyLook(context, *lexing); });
}

}  // namespace commands
