// Handlers of the Format menu, the formatting toolbar, the hidden end-tag
// shortcuts, the Special menu's tags and entities, and the highlighting
// commands of the View menu.
#include <functional>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "editor/TextView.h"
#include "markup/Highlighter.h"
#include "markup/TagEngine.h"
#include "settings/SettingsStore.h"

namespace commands {
namespace {

struct NamedText {
    const char* command;
    const char* text;
};

// Commands that wrap the selection in a tag pair, and their tag names.
constexpr NamedText kTagPairs[] = {
    {"FormatPClick", "p"},
    {"FormatBoldClick", "b"},
    {"FormatItalicClick", "i"},
    {"formatUnderlineClick", "u"},
    {"FormatCenterClick", "center"},
    {"FormatRowClick", "tr"},
    {"Heading11Click", "h1"},
    {"Heading21Click", "h2"},
    {"Heading31Click", "h3"},
    {"Heading41Click", "h4"},
    {"Heading51Click", "h5"},
    {"Heading61Click", "h6"},
    {"FormatOrderedListClick", "ol"},
    {"UnorderedList1Click", "ul"},
    {"FormatLineItemClick", "li"},
    {"FormatTextClick", "tt"},
    {"PreformattedText1Click", "pre"},
    {"Marquee1Click", "marquee"},
    {"SpecialBlinkClick", "blink"},
};

// The hidden end-tag commands and the text each writes in the tag case.
constexpr NamedText kEndTags[] = {
    {"Paragraph1Click", "</p>"},
    {"Bold1Click", "</b>"},
    {"Italic1Click", "</i>"},
    {"Underline2Click", "</u>"},
    {"Center1Click", "</center>"},
    {"tablerow1Click", "</tr>"},
    {"h11Click", "</h1>"},
    {"h21Click", "</h2>"},
    {"h31Click", "</h3>"},
    {"h41Click", "</h4>"},
    {"h51Click", "</h5>"},
    {"h61Click", "</h6>"},
    {"orderedlist1Click", "</ol>"},
    {"unorderedlist2Click", "</ul>"},
    {"lineitem1Click", "</li>"},
    {"typedtext1Click", "</tt>"},
    {"preformatted1Click", "</pre>"},
    {"tablecell1Click", "</td>"},
    {"Comments1Click", " -->"},
};

// The entity commands of the Special menu.
constexpr NamedText kEntities[] = {
    {"SpecialRegClick", "&reg;"},  {"SpecialCopyClick", "&copy;"},     {"OneFourth1Click", "&frac14;"},
    {"OneHalf1Click", "&frac12;"}, {"ThreeFourths1Click", "&frac34;"}, {"Micro1Click", "&micro;"},
    {"Degree1Click", "&deg;"},     {"Cent1Click", "&cent;"},           {"PoundSterling1Click", "&pound;"},
    {"Yen1Click", "&yen;"},        {"Space1Click", "&nbsp;"},
};

using Insertion = std::function<void(markup::TextEditor&, markup::TagContext&)>;

// A command running one insertion with the option variables and key flags of
// the moment it runs.
void addInsertion(CommandContext& context, CommandRegistry& registry, const char* name, Insertion insert)
{
    registry.add(name, [&context, insert = std::move(insert)] {
        markup::TagContext tags = tagContextOf(context);
        insert(context.body(), tags);
    });
}

void registerInsertions(CommandContext& context, CommandRegistry& registry)
{
    using markup::TagContext, markup::TextEditor;
    for (const NamedText& e : kTagPairs)
        addInsertion(context, registry, e.command,
                     [tag = e.text](TextEditor& body, TagContext& tags) { markup::InsertTagPair(body, tags, tag); });
    for (const NamedText& e : kEndTags)
        addInsertion(context, registry, e.command, [text = e.text](TextEditor& body, TagContext& tags) {
            markup::InsertCasedText(body, tags, text);
        });
    for (const NamedText& e : kEntities)
        addInsertion(context, registry, e.command, [entity = e.text](TextEditor& body, TagContext& tags) {
            markup::InsertEntity(body, tags, entity);
        });
    addInsertion(context, registry, "FormatCommentsClick", markup::insertComment);
    addInsertion(context, registry, "FormatCellClick", markup::insertTableCell);
    addInsertion(context, registry, "btnFontUpClick",
                 [](TextEditor& body, TagContext& tags) { markup::insertFontSizeStep(body, tags, +1); });
    addInsertion(context, registry, "btnFontDownClick",
                 [](TextEditor& body, TagContext& tags) { markup::insertFontSizeStep(body, tags, -1); });
}

void registerHighlighting(CommandContext& context, CommandRegistry& registry)
{
    // View > Syntax Highlighting: the choice is written at once, each time.
    registry.addToggle(
        "ViewColorizeClick",
        [&context] {
            const bool on = !context.HighlightingOn();
            {
                settings::SettingsStore store;
                store.write(settings::user::kColorize, on);
            }
            context.setHighlightingOn(on);
            if (on)
                context.ColourDocument();
            else
                markup::ClearColours(context.body());
        },
        [&context] { return context.HighlightingOn(); });

    // View > Refresh (F5): colours everything anew and keeps the caret.
    registry.add("ViewRefreshClick", [&context] {
        editor::TextView& body = context.body();
        const markup::Pos caret = body.caretPosition();
        markup::ClearColours(body);
        context.ColourDocument();
        body.setSelection(caret, 0);
        body.ensureCaretVisible();
    });

    // The tag colour follows the options each time they are read.
    context.body().setTagColour(context.options().TagColour);
    registry.onOptionsLoaded([&context] { context.body().setTagColour(context.options().TagColour); });
}

}  // namespace

void registerFormatCommands(CommandContext& context, CommandRegistry& registry)
{
    registerInsertions(context, registry);
    registerHighlighting(context, registry);
}

}  // namespace commands
