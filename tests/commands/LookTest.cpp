// Keys, theme and tag case through the real window as the Options dialog
// stores them, taken at once when the dialog closes (a Cancel included): the
// Desktop keys in the menus, a dark desktop followed, the lexer's styles of
// what was typed, the long-line window kept for a minified page, the dark
// theme's own tag colour instead of the unreadable default navy, and the case
// of the next tag.
#include <Qsci/qscilexerhtml.h>

#include "commands/KeySets.h"
#include "editor/LongLineWindow.h"
#include "settings/Themes.h"
#include "support/MainWindowFixture.h"

using Look = ActiveWindowTest;

TEST_F(Look, DesktopKeysDarkDesktopAndColourAsYouType)
{
    using settings::ThemeChoice;
    const auto storeLook = [this](ThemeChoice theme, bool liveColour) {
        settings::SettingsStore store;
        store.write(settings::user::kKeySet, 1);
        store.write(settings::user::kTheme, static_cast<int>(theme));
        store.write(settings::user::kLiveColour, liveColour);
        store.write(settings::user::kLowerCase, liveColour);
        store.close();
        ui.onModal([](QDialog&) { return int(QDialog::Rejected); });
        run("ToolsOptionsClick");
    };
    storeLook(ThemeChoice::FollowDesktop, true);
    EXPECT_EQ(window->commands().action("FileOpen")->shortcut(),
              commands::keyTable(commands::commandTable(), commands::KeySet::Desktop).at("FileOpen").first());
    QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30)));
    const settings::Theme& dark = settings::themeFor(ThemeChoice::Dark, false);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QImage shot = body().grab().toImage();
        return (shot.pixel(shot.width() / 2, shot.height() / 2) & 0xFFFFFF) == dark.paper;
    }));

    type(QStringLiteral("<p class=\"x\">&amp;<!-- c --></p>"));
    body().repaintNow();
    // Which style each part takes is the lexer's own rule; two show that it styles what was typed.
    const std::pair<const char*, int> styles[] = {{"<p", QsciLexerHTML::Tag}, {"&amp;", QsciLexerHTML::Entity}};
    for (const auto& [part, style] : styles) {
        const auto at = static_cast<markup::Pos>(text().find(part));
        EXPECT_EQ(body().lexerStyleAt(at), style) << part;
        EXPECT_EQ(body().lexerStyleAt(at + markup::Pos(std::strlen(part)) - 1), style) << part;
    }
    const std::string page = "<p>" + std::string(2 * editor::LongLineWindow::kLongLine, 'x') + "</p>";
    body().loadText(page);
    body().repaintNow();
    EXPECT_FALSE(body().colouringLive());
    EXPECT_FALSE(body().isShown(markup::Pos(page.size()) - 10));

    storeLook(ThemeChoice::Dark, false);
    EXPECT_EQ(body().TagColour(), settings::shownTagColour(settings::user::kSyntaxColour.def, dark));
    EXPECT_NE(body().TagColour(), settings::shownTagColour(settings::user::kSyntaxColour.def, settings::themes()[0]));
    body().loadText({});
    run("FormatBoldClick");
    EXPECT_EQ(text(), "<B>");
}
