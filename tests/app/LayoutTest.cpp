// The window's arrangement: the stored state of a first start, the view
// toggles and what they store, the side panel and its splitter, word wrap,
// the editor font, and the status bar.
#include <QFontDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <array>

#include "app/StatusPanels.h"
#include "app/VexSplitter.h"
#include "app/WindowLayout.h"
#include "files/SidePanel.h"
#include "support/MainWindowFixture.h"

namespace window = settings::window;
namespace fonts = settings::fonts;

class LayoutTest : public MainWindowTest {
protected:
    bool checked(const char* entry) { return action(entry)->isChecked(); }
    bool stored(const settings::FlagSetting& s) { return settings::SettingsStore().read(s); }
    // The texts of the status bar's four panels.
    QStringList panels() const
    {
        QStringList texts;
        for (int i = 0; i < 4; ++i) texts << window->status().panelText(i);
        return texts;
    }
};

// A first start shows what the table's defaults say and writes nothing; a
// start after every view and the font were stored otherwise shows those.
TEST_F(LayoutTest, StartShowsTheStoredStateAndAFirstStartWritesNothing)
{
    const std::pair<const char*, settings::FlagSetting> views[] = {{"ViewToolbar", window::kToolbar},
                                                                   {"ViewFormatBar", window::kFormatBar},
                                                                   {"ViewCustomBar", window::kCustomBar},
                                                                   {"viewStatus", window::kStatusBar},
                                                                   {"ViewSide", window::kSideView},
                                                                   {"EditWrap", window::kWordWrap},
                                                                   {"ViewColorize", settings::user::kColorize}};
    for (const bool stored : {false, true}) {
        start();
        const bool shown[] = {window->commands().standardBar()->isVisible(),
                              window->commands().formatBar()->isVisible(),
                              window->commands().customBar()->isVisible(),
                              window->statusBar()->isVisible() && window->status().timerRunning(),
                              window->sidePanel().isVisible(),
                              window->layout().wordWrapOn(),
                              window->highlightingOn()};
        for (size_t i = 0; i < std::size(views); ++i) {
            EXPECT_EQ(shown[i], views[i].second.def != stored) << views[i].first;
            EXPECT_EQ(checked(views[i].first), views[i].second.def != stored) << views[i].first;
        }
        const QFont font = window->editor().editorFont();
        if (stored) {
            EXPECT_EQ(std::tuple(font.family(), font.pointSize(), font.italic(), font.bold()),
                      std::tuple(QStringLiteral("DejaVu Sans Mono"), 12, true, false));
            break;
        }
        EXPECT_EQ(window->pos(), QPoint(window::kLeft.def, window::kTop.def));
        EXPECT_EQ(window->size(), QSize(window::kWidth.def, window::kHeight.def));
        EXPECT_TRUE(window->gline().isVisible());
        EXPECT_EQ(window->sidePanel().width(), window::kSplitterPos.def);
        EXPECT_EQ(std::pair(font.family(), font.pointSize()), std::pair(fonts::kName.def, fonts::kSize.def));
        EXPECT_EQ(panels(), QStringList({"untitled.html", "0 Bytes", "Ln:1 Col:1", "Unmodified"}));
        EXPECT_FALSE(QFile::exists(settings::SettingsStore::pathOf("Quillon")));
        settings::SettingsStore s;
        for (const auto& [entry, setting] : views) s.write(setting, !setting.def);
        s.write(fonts::kName, QStringLiteral("DejaVu Sans Mono"));
        s.write(fonts::kSize, 12);
        s.write(fonts::kItalic, true);
    }
}

TEST_F(LayoutTest, ToolbarTogglesStoreAtOnceAndTheRuleFollowsTheBars)
{
    start();
    run("ViewToolbarClick");
    EXPECT_TRUE(window->gline().isVisible());
    run("ViewFormatBarClick");
    // All three hidden: the rule goes too.
    EXPECT_FALSE(window->gline().isVisible());
    EXPECT_FALSE(stored(window::kToolbar) || stored(window::kFormatBar));
    EXPECT_FALSE(checked("ViewToolbar") || checked("ViewFormatBar"));
    // The custom bar alone shows under the rule.
    run("ViewCustomBarClick");
    EXPECT_TRUE(window->commands().customBar()->isVisible());
    EXPECT_TRUE(window->gline().isVisible());
    EXPECT_TRUE(stored(window::kCustomBar));
    // All three shown: the custom bar is the lowest.
    run("ViewToolbarClick");
    run("ViewFormatBarClick");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return window->commands().customBar()->y() > window->commands().formatBar()->y(); }));
    EXPECT_GT(window->commands().formatBar()->y(), window->commands().standardBar()->y());
    EXPECT_GT(window->commands().standardBar()->y(), window->gline().y());
}

// The panels follow the caret and the modified flag; a long path keeps its file
// name; hidden, the bar's timer stops.
TEST_F(LayoutTest, StatusBarAndSidePanel)
{
    const QString folder = QStringLiteral("a-folder-with-a-rather-long-name/and-another-one-below-it");
    QDir().mkpath(folder);
    const QString path = writeFile(folder + QStringLiteral("/page.html"), "");
    start({path});
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("StatusPanel0"))->toolTip(), path);
    const QString shown = window->status().shownPath();
    EXPECT_LT(shown.size(), path.size());
    EXPECT_TRUE(shown.endsWith(QStringLiteral("/page.html"))) << shown.toStdString();
    type(QStringLiteral("ab"));
    QTest::keyClick(&window->editor(), Qt::Key_Return);
    window->editor().replaceSelection("\xc3\xa9t\xc3\xa9");  // "été": three characters, five bytes
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->status().panelText(2) == "Ln:2 Col:4"; }));
    EXPECT_EQ(panels(), QStringList({path, "9 Bytes", "Ln:2 Col:4", "Modified"}));
    window->editor().setSelection(1, 5);  // a selection shows where it starts
    window->status().update();
    EXPECT_EQ(panels()[2], QStringLiteral("Ln:1 Col:2"));
    // The caret after a final line break is on the empty last line.
    window->editor().loadText("x\r\n");
    window->editor().setSelection(3, 0);
    window->status().update();
    EXPECT_EQ(panels().mid(2), QStringList({"Ln:2 Col:1", "Unmodified"}));

    run("viewStatusClick");
    EXPECT_FALSE(window->statusBar()->isVisible() || window->status().timerRunning() || checked("viewStatus"));
    EXPECT_FALSE(stored(window::kStatusBar));
    type(QStringLiteral("abc"));
    run("viewStatusClick");
    EXPECT_TRUE(window->status().timerRunning());
    EXPECT_EQ(window->status().panelText(1), QStringLiteral("6 Bytes"));  // current at once
    window->editor().loadText("x");
    window->status().update();
    EXPECT_EQ(window->status().panelText(1), QStringLiteral("1 Byte"));
    // Hidden and shown again, the side panel has the width of the start; a drag
    // stops at both margins and its width is stored at close.
    settings::SettingsStore().write(window::kSplitterPos, 150);
    start();
    EXPECT_EQ(window->sidePanel().width(), 150);
    window->sidePanel().setFixedWidth(200);  // as a drag would
    run("ViewSideClick");
    EXPECT_FALSE(window->sidePanel().isVisible() || window->splitter().isVisible() || stored(window::kSideView));
    run("ViewSideClick");
    EXPECT_EQ(window->sidePanel().width(), 150);
    window->resize(800, 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->editor().width() > 500; }));
    app::TVexSplitter& bar = window->splitter();
    const int editorRight = window->editor().x() + window->editor().width();
    auto drag = [&bar](int dx) {
        const QPoint from(1, bar.height() / 2);
        QTest::mousePress(&bar, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(dx, 0)),
                         bar.mapToGlobal(QPointF(from + QPoint(dx, 0))), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&bar, &move);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, from + QPoint(dx, 0));
    };
    drag(-1000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->sidePanel().width() == 60; })) << window->sidePanel().width();
    drag(5000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->sidePanel().width() == editorRight - 2 - 300; }))
        << window->sidePanel().width();
    const int dragged = window->sidePanel().width();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(settings::SettingsStore().read(window::kSplitterPos), dragged);
}

TEST_F(LayoutTest, WordWrapKeepsTheCaretAndTheFirstVisibleLine)
{
    std::string lines;
    for (int i = 0; i < 300; ++i) lines += std::string(200, 'a' + i % 26) + "\r\n";
    start();
    window->editor().loadText(lines);
    window->editor().setSelection(120 * 202 + 7, 0);
    window->editor().scrollToDocumentLine(110);
    for (const bool on : {true, false}) {
        run("EditWrapClick");
        EXPECT_EQ(window->layout().wordWrapOn(), on);
        EXPECT_EQ(checked("EditWrap"), on);
        EXPECT_EQ(stored(window::kWordWrap), on);
        EXPECT_EQ(window->editor().caretPosition(), 120 * 202 + 7);
        EXPECT_EQ(window->editor().firstVisibleDocumentLine(), 110);
    }
}

// Bold and italic are stored only when the font has no other style.
TEST_F(LayoutTest, FontStylesAreStoredOnlyWhenExactAndTheChosenFontIsShownAndStored)
{
    // bold, italic, underline, strike out -> stored bold, stored italic
    const std::array<bool, 6> rows[] = {{0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 1, 0}, {0, 1, 0, 0, 0, 1}, {1, 1, 0, 0, 1, 1},
                                        {1, 0, 1, 0, 0, 0}, {0, 1, 0, 1, 0, 0}, {1, 1, 1, 0, 0, 0}};
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
    // The editor font chosen is shown and stored; Apply only shows it.
    start();
    ui.onModal([](QDialog& d) {
        auto& dialog = static_cast<QFontDialog&>(d);
        dialog.setCurrentFont(QFont(QStringLiteral("DejaVu Sans Mono"), 16));
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->text().remove(QLatin1Char('&')) == QLatin1String("Apply")) b->click();
        return int(QDialog::Rejected);
    });
    run("ViewFontClick");
    EXPECT_EQ(window->editor().editorFont().pointSize(), 16);
    EXPECT_FALSE(settings::SettingsStore().HasValue(fonts::kSize.section, fonts::kSize.ident));
    ui.onModal([](QDialog& d) {  // (which styles are stored: FontStoring)
        static_cast<QFontDialog&>(d).setCurrentFont(QFont(QStringLiteral("DejaVu Sans Mono"), 14));
        return int(QDialog::Accepted);
    });
    run("ViewFontClick");
    EXPECT_EQ(window->editor().editorFont().pointSize(), 14);
    EXPECT_EQ(settings::SettingsStore().read(fonts::kSize), 14);
}

// Past a few thousand bytes the column is counted in place, sixteen bytes at a
// time: it must agree with the character count at every alignment. The panels
// are as wide as their widest text.
TEST_F(LayoutTest, StatusPanelsShowTheirWholeTextAndCountColumnsOnLongLines)
{
    start();
    std::string line;
    for (int i = 0; i < 3000; ++i) line += (i % 7 == 0) ? "\xe2\x82\xac" : (i % 3 ? "a" : "\xc3\xa9");
    const std::string text = "first\r\n" + line + "tail";
    window->editor().loadText(text);
    for (int back : {0, 1, 2, 15, 16, 17, 40}) {
        // The byte offset `back` characters before the end.
        size_t at = text.size();
        for (int k = 0; k < back; ++k) do
                --at;
            while ((static_cast<unsigned char>(text[at]) & 0xC0) == 0x80);
        window->editor().setSelection(static_cast<markup::Pos>(at), 0);
        window->status().update();
        EXPECT_EQ(window->status().panelText(2), QStringLiteral("Ln:2 Col:%1").arg(3004 - back + 1)) << back;
    }
    // 10,000,111 bytes: 9000 lines of 1000 bytes, then a line of 1,000,111.
    std::string doc;
    for (int i = 0; i < 9000; ++i) doc += std::string(999, 'x') + "\n";
    doc.append(1'000'111, 'y');
    window->editor().loadText(doc);
    window->editor().setSelection(window->editor().length(), 0);
    window->status().update();
    EXPECT_EQ(panels().mid(1, 2), QStringList({"10,000,111 Bytes", "Ln:9001 Col:1000112"}));
    for (int i = 1; i < 5; ++i) EXPECT_TRUE(window->status().fits(i)) << window->status().panelText(i).toStdString();
}
