// Highlighting through the real main window: the colouring of every document
// that arrives (start-up, Open, a recent file, New) in the stored tag colour;
// the View toggle and Refresh. (Tags written by a key: ShortcutsTest.)

#include "app/RecentFiles.h"
#include "support/MainWindowFixture.h"
#include "support/Marked.h"

TEST_F(MainWindowTest, EveryArrivingDocumentIsColouredExactlyWhenHighlightingIsOn)
{
    const std::string page = "<p>x</p>\r\ntext";
    const QString path = writeFile(QStringLiteral("page.html"), QByteArray::fromStdString(page));
    app::AddRecentFile(path);
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"start-up", [&] { start({path}); }},
        {"Open",
         [&] {
             start();
             ui.fileName(path);
             run("FileOpenClick");
         }},
        {"recent file",
         [&] {
             start();
             run("mru1Click");
         }},
        {"New", [&] {
             start();
             // Stands for the templates of the new-document dialog.
             window->registry().add(QStringLiteral("GenerateNewDocument"), [&] { body().replaceSelection(page); });
             run("FileNewClick");
         }}};
    for (const bool on : {false, true}) {
        settings::SettingsStore().write(settings::user::kColorize, on);
        settings::SettingsStore().write(settings::user::kSyntaxColour, 9);
        for (const auto& [way, bring] : ways) {
            SCOPED_TRACE(way);
            bring();
            ASSERT_EQ(text(), page);
            EXPECT_EQ(marked::colours(body()), on ? "{<p>}x{</p>}\r\ntext" : page);
            EXPECT_EQ(body().TagColour(), 0xFF0000u);  // the stored palette colour from the start
            EXPECT_TRUE(!on || body().caretPosition() == 0) << "coloured: the caret at the start";
            EXPECT_FALSE(caption().startsWith(QStringLiteral("Colorizing")));
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        }
    }
    // The toggle colours the document or clears its colours; Refresh colours
    // anew, keeping the caret, while highlighting is on only.
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on);
        run("ViewColorizeClick");
        const std::string shown = on ? "{<p>}x{</p>}\r\ntext" : page;
        EXPECT_EQ(marked::colours(body()), shown);
        body().loadText(page);
        body().setSelection(11, 0);
        run("ViewRefreshClick");
        EXPECT_EQ(std::pair(marked::colours(body()), body().caretPosition()), std::pair(shown, markup::Pos(11)));
    }
    EXPECT_FALSE(caption().startsWith(QStringLiteral("Colorizing")));
}
