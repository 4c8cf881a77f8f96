// The window's arrangement: the stored state of a first start, the view
// toggles and what they store, the side panel and its splitter, the editor
// font, and the status bar.
#include <QFontDialog>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>
#include <array>

#include "app/StatusPanels.h"
#include "app/TVexSplitter.h"
#include "app/WindowLayout.h"
#include "files/SidePanel.h"
#include "support/MainWindowFixture.h"

namespace window = settings::window;

class LayoutTest : public MainWindowTest {
protected:
    bool checked(const char* entry) { return action(entry)->isChecked(); }
    bool stored(const settings::FlagSetting& s) { return settings::SettingsStore().read(s); }
    // The texts of the status bar's four panels, as they are now.
    QStringList panels() const
    {
        window->status().update();
        QStringList texts;
        for (int i = 0; i < 4; ++i) texts << window->status().panelText(i);
        return texts;
    }
};

// A first start shows what the table's defaults say and writes nothing; each
// view toggle is stored at once, as is the editor font chosen (shown at once),
// and the next start shows every view and the font as stored.
TEST_F(LayoutTest, AStartShowsTheStoredState)
{
    const std::pair<const char*, settings::FlagSetting> views[] = {
        {"ViewToolbar", window::kToolbar},     {"ViewFormatBar", window::kFormatBar},
        {"ViewCustomBar", window::kCustomBar}, {"viewStatus", window::kStatusBar},
        {"ViewSide", window::kSideView},       {"ViewLineNumbers", window::kLineNumbers},
        {"EditWrap", window::kWordWrap},       {"ViewColorize", settings::user::kColorize}};
    for (const bool toggled : {false, true}) {
        start();
        const bool shown[] = {window->commands().standardBar()->isVisible(),
                              window->commands().formatBar()->isVisible(),
                              window->commands().customBar()->isVisible(),
                              window->statusBar()->isVisible() && window->status().timerRunning(),
                              window->sidePanel()->isVisible(),
                              window->bodyControl().lineNumberWidth() > 0,
                              window->layout().wordWrapOn(),
                              window->HighlightingOn()};
        for (size_t i = 0; i < std::size(views); ++i) {
            const bool expected = views[i].second.def != toggled;
            EXPECT_EQ(std::pair(shown[i], checked(views[i].first)), std::pair(expected, expected)) << views[i].first;
        }
        const QFont font = window->bodyControl().editorFont();
        if (toggled) {
            EXPECT_EQ(std::tuple(font.family(), font.pointSize(), font.italic()),
                      std::tuple(QStringLiteral("DejaVu Sans Mono"), 12, true));
            break;
        }
        EXPECT_FALSE(QFile::exists(settings::SettingsStore::pathOf("Quillon")));
        for (const auto& [entry, setting] : views) {
            run((std::string(entry) + "Click").c_str());
            EXPECT_EQ(stored(setting), !setting.def) << entry;
        }
        ui.onModal([](QDialog& d) {
            QFont chosen(QStringLiteral("DejaVu Sans Mono"), 12);
            chosen.setItalic(true);
            static_cast<QFontDialog&>(d).setCurrentFont(chosen);
            return int(QDialog::Accepted);
        });
        run("ViewFontClick");
        EXPECT_EQ(body().editorFont().pointSize(), 12) << "shown at once";
    }
}

// The panels follow the caret (a selection by its start, a caret after a
// final line break on the empty last line, the column in characters also on
// long lines) and the modified flag.
TEST_F(LayoutTest, TheStatusPanelsFollowTheDocument)
{
    const QString path = writeFile(QStringLiteral("page.html"), "");
    start({path});
    type(QStringLiteral("ab"));
    QTest::keyClick(&body(), Qt::Key_Return);
    body().replaceSelection("\xc3\xa9t\xc3\xa9");  // three characters, five bytes
    EXPECT_EQ(panels(), QStringList({path, "9 Bytes", "Ln:2 Col:4", "Modified"}));
    body().setSelection(1, 5);
    EXPECT_EQ(panels()[2], QStringLiteral("Ln:1 Col:2"));
    body().loadText("x\r\n");
    body().setSelection(3, 0);
    EXPECT_EQ(panels().mid(1), QStringList({"3 Bytes", "Ln:2 Col:1", "Unmodified"}));
    body().loadText("x");
    EXPECT_EQ(panels()[1], QStringLiteral("1 Byte"));
    // Past a few thousand bytes the column is counted in place, sixteen bytes
    // at a time: it must agree with the character count at every alignment.
    std::string line;
    for (int i = 0; i < 3000; ++i) line += (i % 7 == 0) ? "\xe2\x82\xac" : (i % 3 ? "a" : "\xc3\xa9");
    const std::string text = "first\r\n" + line + "tail";
    body().loadText(text);
    for (int back : {0, 1, 2, 15, 16, 17, 40}) {
        size_t at = text.size();  // `back` characters before the end
        for (int k = 0; k < back; ++k) do
                --at;
            while ((static_cast<unsigned char>(text[at]) & 0xC0) == 0x80);
        body().setSelection(static_cast<markup::Pos>(at), 0);
        EXPECT_EQ(panels()[2], QStringLiteral("Ln:2 Col:%1").arg(3004 - back + 1)) << back;
    }
    // 10,000,111 bytes: 9000 lines of 1000 bytes, then a line of 1,000,111.
    std::string doc;
    for (int i = 0; i < 9000; ++i) doc += std::string(999, 'x') + "\n";
    doc.append(1'000'111, 'y');
    body().loadText(doc);
    body().setSelection(body().length(), 0);
    EXPECT_EQ(panels().mid(1, 2), QStringList({"10,000,111 Bytes", "Ln:9001 Col:1000112"}));
}

// Hidden and shown again, the side panel has the width of the start; a drag
// stops at both margins and its width is stored at close.
TEST_F(LayoutTest, TheSidePanelsWidthFollowsTheSplitter)
{
    settings::SettingsStore().write(window::kSplitterPos, 150);
    start();
    window->sidePanel()->setFixedWidth(200);  // as a drag would
    run("ViewSideClick");
    EXPECT_FALSE(window->sidePanel()->isVisible() || window->Splitter().isVisible());
    run("ViewSideClick");
    EXPECT_EQ(window->sidePanel()->width(), 150);
    window->resize(800, 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->bodyControl().width() > 500; }));
    app::TVexSplitter& bar = window->Splitter();
    const int editorRight = window->bodyControl().x() + window->bodyControl().width();
    auto drag = [&bar](int dx) {
        const QPoint from(1, bar.height() / 2), to = from + QPoint(dx, 0);
        QTest::mousePress(&bar, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), bar.mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&bar, &move);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, to);
    };
    drag(-1000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->sidePanel()->width() == 60; })) << window->sidePanel()->width();
    drag(5000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->sidePanel()->width() == editorRight - 2 - 300; }))
        << window->sidePanel()->width();
    const int dragged = window->sidePanel()->width();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(settings::SettingsStore().read(window::kSplitterPos), dragged);
}

// Bold and italic are stored only when the font has no other style.
TEST(FontFlags, AreStoredOnlyWhenExact)
{
    // bold, italic, underline, strike out -> stored bold, stored italic
    const std::array<bool, 6> rows[] = {
        {0, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 1, 1}, {1, 0, 1, 0, 0, 0}, {0, 1, 0, 1, 0, 0}, {1, 1, 1, 0, 0, 0}};
    for (const auto& [bold, italic, underline, strikeOut, storedBold, storedItalic] : rows) {
        QFont f(QStringLiteral("Courier New"), 10);
        f.setBold(bold);
        f.setItalic(italic);
        f.setUnderline(underline);
        f.setStrikeOut(strikeOut);
        const app::FontFlags flags = app::storedFontFlags(f);
        EXPECT_EQ(std::pair(flags.bold, flags.italic), std::pair(storedBold, storedItalic))
            << f.toString().toStdString();
    }
}
