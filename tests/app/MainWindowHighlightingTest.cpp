// Highlighting through the real main window: the View toggle, tags written by
// the keyboard in the tag colour and typed text in the default colour, the
// colouring of every document that arrives (start-up, Open, a recent file,
// New) in the stored tag colour.
#include <QAction>
#include <QApplication>

#include "MainWindowFixture.h"
#include "app/RecentFiles.h"
#include "markup/Palette.h"
#include "support/Marked.h"

namespace {

class MainWindowHighlighting : public MainWindowTest {
protected:
    std::string colours() { return marked::colours(body()); }
    void highlightingOnAtStart() { settings::SettingsStore().write(settings::user::kColorize, true); }
};

TEST_F(MainWindowHighlighting, AfterBoldBothTagsShowInTheTagColourAndTypedTextInTheDefaultColour)
{
    start();
    activate();
    action("ViewColorize")->trigger();
    ASSERT_TRUE(window->highlightingOn());
    type(QStringLiteral("say word"));
    for (int i = 0; i < 4; ++i) QTest::keyClick(&body(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(body().selectedText(), "word");  // KeepSelected survives the recolouring
    QTest::keyClick(&body(), Qt::Key_End);
    type(QStringLiteral(" more"));
    EXPECT_EQ(colours(), "say {<b>}word{</b>} more");
    EXPECT_EQ(body().tagColour(), markup::paletteRgb(settings::user::kSyntaxColour.def));
}

// Every way a whole document arrives colours it when highlighting is on.
enum class Arrival { StartUp, Open, RecentFile, New };

class DocumentArrival : public MainWindowHighlighting, public testing::WithParamInterface<Arrival> {
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
    EXPECT_EQ(colours(), "<p>x</p>\r\ntext");
    highlightingOnAtStart();
    settings::SettingsStore().write(settings::user::kSyntaxColour, 9);
    bring();
    EXPECT_EQ(colours(), "{<p>}x{</p>}\r\ntext");
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
