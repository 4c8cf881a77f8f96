// The format, entity and highlighting commands run by name through the
// registry on a real `body`. What each tag command writes is checked against
// the command table: a menu entry and its hidden end-tag twin (its shortcut
// with Shift added) write the same tag, a button's text names its tag.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandTable.h"
#include "editor/BodyEditor.h"
#include "markup/Entities.h"
#include "settings/SettingsStore.h"
#include "support/FakeEditorContext.h"
#include "support/Marked.h"

namespace {

using testing_support::FakeEditorContext;

class FormatCommands : public testing::Test {
protected:
    FormatCommands()
    {
        settings::Options& o = context.mutableOptions();
        o.tagCase = true;
        o.keepSelected = false;
        o.fullCellTag = false;
        app::registerFormatCommands(context, registry);
    }

    void load(std::string_view text, markup::Pos start, markup::Pos length) { context.load(text, start, length); }
    void run(const char* command) { ASSERT_TRUE(registry.run(command)) << command; }
    app::BodyEditor& body() { return context.editor(); }
    std::string colours() { return marked::colours(body()); }
    // What `command` writes over the selected "w" of "awb", with the caret after it.
    std::string markupOf(const char* command)
    {
        load("awb", 1, 1);
        run(command);
        EXPECT_EQ(body().selectionLength(), 0) << command;
        EXPECT_EQ(body().caretPosition(), body().length() - 1) << command;
        EXPECT_TRUE(body().isModified()) << command;
        const std::string t = body().text();
        EXPECT_TRUE(t.size() > 2 && t.front() == 'a' && t.back() == 'b') << t;
        return t.substr(1, t.size() - 2);
    }

    FakeEditorContext context;
    app::CommandRegistry& registry = context.registry;
};

TEST_F(FormatCommands, EveryTagAndEntityCommandWritesItsMarkupAndHighlightingTogglesAndRefreshes)
{
    std::map<QKeySequence, std::string> byKey;  // what the command of each shortcut writes
    std::set<std::string> entities;
    int commands = 0;
    for (const app::CommandEntry& e : app::commandTable()) {
        const bool view = e.parent && std::string_view(e.parent) == "View1";  // the highlighting commands
        if (!*e.command || (e.flags & app::kMenu) || view || !registry.has(e.command)) continue;
        SCOPED_TRACE(e.name);
        const std::string markup = markupOf(e.command);
        ++commands;
        if (*e.shortcut) byKey[QKeySequence::fromString(QString::fromLatin1(e.shortcut))] = markup;
        const std::string named = e.buttonText ? QString::fromLatin1(e.buttonText).toLower().toStdString() : "";
        EXPECT_NE(markup.find(named), std::string::npos) << "the button shows " << named;
        if (markup.front() == '&') {
            EXPECT_TRUE(entities.insert(markup).second) << markup << " twice";
            EXPECT_TRUE(markup == "&nbsp;" || markup::HtmlToSpecial(markup) != markup) << markup << " unknown";
        }
    }
    EXPECT_GT(commands, 50);
    int twins = 0;
    for (const auto& [key, markup] : byKey) {
        const QKeyCombination k = key[0];
        const auto twin = byKey.find(QKeySequence(QKeyCombination(k.keyboardModifiers() | Qt::ShiftModifier, k.key())));
        if (key[0].keyboardModifiers() & Qt::ShiftModifier || twin == byKey.end()) continue;
        ++twins;
        const std::string& end = twin->second;  // "</b>" for "<b>w</b>", " -->" for "<!-- w -->"
        SCOPED_TRACE(markup);
        ASSERT_GT(markup.size(), end.size() + 1);
        EXPECT_EQ(markup.substr(markup.size() - end.size()), end);
        EXPECT_TRUE(!end.starts_with("</") || markup == "<" + end.substr(2) + "w" + end);
    }
    EXPECT_GE(twins, 19);
    // A few in full (bold and marquee by their keys: MainWindowKeysTest).
    const std::pair<const char*, const char*> full[] = {{"FormatCommentsClick", "<!-- w -->"},
                                                        {"FormatCellClick", "<td>w</td>"},
                                                        {"btnFontDownClick", "<font size=\"-1\">w</font>"},
                                                        {"SpecialRegClick", "&reg;"},
                                                        {"Space1Click", "&nbsp;"}};
    for (auto [command, markup] : full) EXPECT_EQ(markupOf(command), markup);
    // The toggle stores the choice at once and colours the document (with the wait
    // caption) or clears it (the caret and the modified flag as the passes leave
    // them: HighlighterTest); Refresh colours anew while highlighting is on,
    // keeping the caret.
    load("<p>x</p>\r\ntext", 12, 0);
    const QString title = context.window()->windowTitle();
    for (const bool on : {true, false}) {
        body().setSelection(12, 0);
        run("ViewColorizeClick");
        EXPECT_EQ(context.highlightingOn(), on);
        EXPECT_EQ(registry.checked("ViewColorizeClick"), on);
        EXPECT_EQ(settings::SettingsStore().read(settings::user::kColorize), on);
        EXPECT_EQ(colours(), on ? "{<p>}x{</p>}\r\ntext" : "<p>x</p>\r\ntext");
    }
    EXPECT_EQ(context.waitCaptions, QStringList{"Colorizing - Please wait..."});
    EXPECT_EQ(context.waitDepth, 0);
    EXPECT_EQ(context.window()->windowTitle(), title);
    body().setSelection(12, 0);
    body().replaceSelection("<i>");
    for (const bool on : {false, true}) {
        context.setHighlightingOn(on);
        body().setSelection(11, 0);
        run("ViewRefreshClick");
        EXPECT_EQ(colours(), on ? "{<p>}x{</p>}\r\nte{<i>}xt" : "<p>x</p>\r\nte<i>xt");
        EXPECT_EQ(body().caretPosition(), 11);
    }
    EXPECT_EQ(context.waitCaptions.size(), 2);
}

}  // namespace
