// Highlighting through the real main window: the colouring of every document
// that arrives (start-up, Open, a recent file, New) in the stored tag colour.
// (Tags written by the keyboard: MainWindowKeysTest; the View toggle:
// FormatCommandsTest.)
#include <QApplication>

#include "MainWindowFixture.h"
#include "app/RecentFiles.h"
#include "support/Marked.h"

namespace {

// Every way a whole document arrives colours it when highlighting is on.
enum class Arrival { StartUp, Open, RecentFile, New };

class DocumentArrival : public MainWindowTest, public testing::WithParamInterface<Arrival> {
protected:
    // Brings "<p>x</p>" + CR LF + "text" in the way of the row.
    void bring()
    {
        const QString path = writeFile(QStringLiteral("page.html"), "<p>x</p>\r\ntext");
        switch (GetParam()) {
            case Arrival::StartUp:
                start({path});
                break;
            case Arrival::Open:
                start();
                ui.fileName(path);
                run("FileOpenClick");
                break;
            case Arrival::RecentFile:
                app::addRecentFile(path);
                start();
                run("mru1Click");
                break;
            case Arrival::New:
                start();
                // Stands for the templates of the new-document dialog.
                window->registry().add(QStringLiteral("GenerateNewDocument"),
                                       [this] { body().replaceSelection("<p>x</p>\r\ntext"); });
                run("FileNewClick");
                break;
        }
        ASSERT_EQ(text(), "<p>x</p>\r\ntext");
    }
};

TEST_P(DocumentArrival, IsColouredExactlyWhenHighlightingIsOn)
{
    bring();
    EXPECT_EQ(marked::colours(body()), "<p>x</p>\r\ntext");
    settings::SettingsStore().write(settings::user::kColorize, true);
    settings::SettingsStore().write(settings::user::kSyntaxColour, 9);
    bring();
    EXPECT_EQ(marked::colours(body()), "{<p>}x{</p>}\r\ntext");
    EXPECT_EQ(body().tagColour(), 0xFF0000u);  // the stored palette colour from the start
    EXPECT_EQ(body().caretPosition(), 0);
    EXPECT_FALSE(caption().startsWith(QStringLiteral("Colorizing")));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

std::string arrivalName(const testing::TestParamInfo<Arrival>& row)
{
    constexpr const char* kNames[] = {"StartUp", "Open", "RecentFile", "New"};
    return kNames[static_cast<int>(row.param)];
}

INSTANTIATE_TEST_SUITE_P(Ways, DocumentArrival,
                         testing::Values(Arrival::StartUp, Arrival::Open, Arrival::RecentFile, Arrival::New),
                         arrivalName);

}  // namespace
