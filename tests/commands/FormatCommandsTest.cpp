// The format and entity commands run by name, from a registry of their own,
// in the main window. (The highlighting commands: MainWindowHighlightingTest.)
// What each tag command writes is checked against the command table: a
// button's text names its tag, and a menu entry and its hidden end-tag twin
// (its shortcut with Shift added) write the same tag.

#include <set>

#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandTable.h"
#include "markup/Entities.h"
#include "support/MainWindowFixture.h"

namespace {

class FormatCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        setOption(settings::user::kLowerCase, true);
        setOption(settings::user::kKeepSelected, false);
        setOption(settings::user::kFullCellTag, false);
        commands::registerFormatCommands(*window, registry);
    }
    void run(const char* command) { ASSERT_TRUE(registry.run(command)) << command; }
    // What `command` writes over the selected "w" of "awb", the caret after it.
    std::string markupOf(const char* command)
    {
        load("awb", 1, 1);
        run(command);
        const std::string t = body().text();
        EXPECT_EQ(body().caretPosition(), body().length() - 1) << command;
        EXPECT_TRUE(t.size() > 2 && t.front() == 'a' && t.back() == 'b') << t;
        return t.substr(1, t.size() - 2);
    }
    // Each registered tag or entity command of the table: its entry and what it writes.
    std::vector<std::pair<const commands::CommandEntry*, std::string>> everyCommand()
    {
        std::vector<std::pair<const commands::CommandEntry*, std::string>> written;
        for (const commands::CommandEntry& e : commands::commandTable()) {
            const bool view = e.parent && std::string_view(e.parent) == "View1";  // the highlighting commands
            if (*e.command && !(e.flags & commands::kMenu) && !view && registry.has(e.command))
                written.emplace_back(&e, markupOf(e.command));
        }
        EXPECT_GT(written.size(), 50u);
        return written;
    }

    commands::CommandRegistry registry;  // the format and entity commands alone
};

// A button's text names its tag; an entity is one the conversions know, and
// no two commands write the same one.
TEST_F(FormatCommands, EachCommandWritesWhatItsButtonNames)
{
    std::set<std::string> entities;
    for (const auto& [e, markup] : everyCommand()) {
        const std::string named = e->buttonText ? QString::fromLatin1(e->buttonText).toLower().toStdString() : "";
        EXPECT_NE(markup.find(named), std::string::npos) << e->name << " shows " << named;
        if (markup.front() != '&') continue;
        EXPECT_TRUE(entities.insert(markup).second) << markup << " twice";
        EXPECT_TRUE(markup == "&nbsp;" || markup::HtmlToSpecial(markup) != markup) << markup << " unknown";
    }
}

// "</b>" for "<b>w</b>", " -->" for "<!-- w -->".
TEST_F(FormatCommands, AShortcutWithShiftAddedWritesTheEndTagOfItsTwin)
{
    std::map<QKeySequence, std::string> byKey;
    for (const auto& [e, markup] : everyCommand())
        if (*e->shortcut) byKey[QKeySequence::fromString(QString::fromLatin1(e->shortcut))] = markup;
    int twins = 0;
    for (const auto& [key, markup] : byKey) {
        const QKeyCombination k = key[0];
        const auto twin = byKey.find(QKeySequence(QKeyCombination(k.keyboardModifiers() | Qt::ShiftModifier, k.key())));
        if (k.keyboardModifiers() & Qt::ShiftModifier || twin == byKey.end()) continue;
        ++twins;
        const std::string& end = twin->second;
        EXPECT_TRUE(markup.size() > end.size() + 1 && markup.ends_with(end)) << markup << " / " << end;
        EXPECT_TRUE(!end.starts_with("</") || markup == "<" + end.substr(2) + "w" + end) << markup;
    }
    EXPECT_GE(twins, 19);
}

}  // namespace
