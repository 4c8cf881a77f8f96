// The dark theme and colour as you type through the real window, as the
// Options dialog stores them: the editor's paper, the lexer's styles of what
// was typed, the long-line window kept for a minified page, and the tag
// colour the dark theme shows instead of the unreadable default navy.
#include <Qsci/qscilexerhtml.h>

#include "editor/LongLineWindow.h"
#include "markup/Palette.h"
#include "settings/Themes.h"
#include "support/MainWindowFixture.h"

namespace {

class Look : public MainWindowTest {};

void storeLook(int theme, bool liveColour)
{
    settings::SettingsStore store;
    store.write(settings::user::kTheme, theme);
    store.write(settings::user::kLiveColour, liveColour);
}

TEST_F(Look, DarkThemeAndColourAsYouType)
{
    start();
    activate();
    storeLook(static_cast<int>(settings::ThemeChoice::Dark), true);
    window->LoadOptions();
    const settings::Theme& dark = settings::themeFor(settings::ThemeChoice::Dark, false);
    const QImage shot = body().grab().toImage();
    EXPECT_EQ(shot.pixel(shot.width() / 2, shot.height() / 2) & 0xFFFFFF, dark.paper);

    type(QStringLiteral("<p class=\"x\">&amp;<!-- c --></p>"));
    body().repaintNow();
    EXPECT_TRUE(body().colouringLive());
    const std::pair<const char*, int> styles[] = {{"<p", QsciLexerHTML::Tag},
                                                  {"class", QsciLexerHTML::Attribute},
                                                  {"\"x\"", QsciLexerHTML::HTMLDoubleQuotedString},
                                                  {"&amp;", QsciLexerHTML::Entity},
                                                  {"<!-- c -->", QsciLexerHTML::HTMLComment}};
    for (const auto& [part, style] : styles) {
        const auto at = static_cast<markup::Pos>(text().find(part));
        EXPECT_EQ(body().lexerStyleAt(at), style) << part;
        EXPECT_EQ(body().lexerStyleAt(at + markup::Pos(std::strlen(part)) - 1), style) << part;
    }

    // A minified page keeps its long-line window and the highlighter's styles.
    const std::string page = "<p>" + std::string(2 * editor::LongLineWindow::kLongLine, 'x') + "</p>";
    body().loadText(page);
    body().repaintNow();
    EXPECT_FALSE(body().colouringLive());
    EXPECT_FALSE(body().isShown(markup::Pos(page.size()) - 10));

    storeLook(static_cast<int>(settings::ThemeChoice::Dark), false);
    window->LoadOptions();
    EXPECT_EQ(body().TagColour(), settings::shownTagColour(settings::user::kSyntaxColour.def, dark));
    EXPECT_NE(body().TagColour(), markup::paletteRgb(settings::user::kSyntaxColour.def));
}

}  // namespace
