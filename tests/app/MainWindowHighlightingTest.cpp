// Highlighting through the real main window: the View toggle, tags written by
// the keyboard in the tag colour and typed text in the default colour (read
// back from the styles and from the pixels the window paints), the colouring
// of every document that arrives (start-up, Open, a recent file, New), and the
// tag colour following the options. With QUILLON_SCREENSHOTS naming a folder,
// the window painted after Bold is kept there as a PNG to look at.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>

#include "MainWindowFixture.h"
#include "app/RecentFiles.h"
#include "support/Marked.h"

namespace {

constexpr unsigned kNavy = 0x000080;  // the default tag colour

class MainWindowHighlighting : public MainWindowTest {
protected:
    app::BodyEditor& body() { return window->editor(); }
    std::string colours() { return marked::colours(body()); }
    void highlightingOnAtStart() { settings::SettingsStore().write(settings::user::kColorize, true); }
    // The foreground of the tag style, as 0xRRGGBB.
    unsigned tagForeground() { return body().tagColour(); }
};

// The ink painted in the editor between two text positions of one line:
// pixels of navy letters (on white, anti-aliased or not, blue outweighs red)
// and pixels of grey or black letters (red, green and blue alike).
struct Ink {
    int navy = 0;
    int grey = 0;
};

Ink inkBetween(app::BodyEditor& body, const QImage& shot, markup::Pos from, markup::Pos to)
{
    const QPoint origin = body.mapTo(body.window(), QPoint(0, 0));
    const QRect first = body.byteRect(from), last = body.byteRect(to);
    const int x0 = origin.x() + first.left(), x1 = origin.x() + last.left();
    const int y0 = origin.y() + first.top(), height = first.height();
    Ink ink;
    for (int y = y0; y < y0 + height; ++y)
        for (int x = x0; x < x1; ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.lightness() > 220) continue;  // the background
            if (c.blue() - c.red() > 25 && std::abs(c.red() - c.green()) < 20)
                ++ink.navy;
            else if (std::abs(c.blue() - c.red()) < 12 && std::abs(c.red() - c.green()) < 12)
                ++ink.grey;
        }
    return ink;
}

TEST_F(MainWindowHighlighting, AfterBoldBothTagsShowInTheTagColourAndTypedTextInTheDefaultColour)
{
    start();
    activate();
    window->commands().action(QStringLiteral("ViewColorize"))->trigger();
    ASSERT_TRUE(window->highlightingOn());
    type(QStringLiteral("say word"));
    for (int i = 0; i < 4; ++i) QTest::keyClick(&body(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&body(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(body().selectedText(), "word");  // KeepSelected survives the recolouring
    QTest::keyClick(&body(), Qt::Key_End);
    type(QStringLiteral(" more"));
    EXPECT_EQ(colours(), "say {<b>}word{</b>} more");
    EXPECT_EQ(tagForeground(), kNavy);

    const QImage shot = window->grab().toImage();
    if (const QByteArray folder = qgetenv("QUILLON_SCREENSHOTS"); !folder.isEmpty())
        shot.save(QString::fromLocal8Bit(folder) + QStringLiteral("/highlighting-after-bold.png"));
    const Ink startTag = inkBetween(body(), shot, 4, 7);
    const Ink word = inkBetween(body(), shot, 7, 11);
    const Ink endTag = inkBetween(body(), shot, 11, 15);
    const Ink typed = inkBetween(body(), shot, 15, 20);
    EXPECT_GT(startTag.navy, 20);
    EXPECT_EQ(startTag.grey, 0);
    EXPECT_GT(endTag.navy, 20);
    EXPECT_EQ(endTag.grey, 0);
    EXPECT_GT(word.grey, 20);
    EXPECT_EQ(word.navy, 0);
    EXPECT_GT(typed.grey, 20);
    EXPECT_EQ(typed.navy, 0);
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
    bring();
    EXPECT_EQ(colours(), "{<p>}x{</p>}\r\ntext");
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

TEST_F(MainWindowHighlighting, TagColourIsTheStoredPaletteColourFromTheStart)
{
    settings::SettingsStore().write(settings::user::kSyntaxColour, 9);
    start();
    EXPECT_EQ(tagForeground(), 0xFF0000u);
}

}  // namespace
