// The tag builder dialogs through the real main window: menu entries open
// them, OK puts their element in place of the selection, the
// toolbar's colour grid, the right click on a selected colour code, and
// choices that come back at the next opening.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "dialogs/ColorGrid.h"
#include "dialogs/TfrmHex.h"
#include "support/MainWindowFixture.h"

namespace {

class MainWindowTagDialogs : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        activate();
    }
    // What the next dialog does: `act` on it, then its result.
    void onDialog(std::function<int(QDialog&)> act) { ui.onModal(std::move(act)); }
    // The next dialog only shows its caption and is cancelled.
    void captionOfNext(QString& seen)
    {
        onDialog([&seen](QDialog& d) {
            seen = d.windowTitle();
            return int(QDialog::Rejected);
        });
    }
    static int click(QDialog& dialog, const char* button)
    {
        dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        return dialog.result();
    }
    // A right click on the byte at `pos`, through the window as the mouse does it.
    void rightClickAt(markup::Pos pos)
    {
        const QPoint at = body().mapTo(window.get(), body().byteRect(pos).center());
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, at);
    }
};

// (Their shortcuts reach the commands: MainWindowKeysTest.)
TEST_F(MainWindowTagDialogs, EveryMenuEntryOpensItsDialogCancelChangesNothingOkReplacesTheSelection)
{
    const std::pair<const char*, const char*> entries[] = {
        {"InsertHlink", "Anchor"},       {"InsertElink", "E-Mail Anchor"}, {"InsertStyle", "Style Sheet"},
        {"InsertImage", "Image"},        {"HorizontalLine1", "Line"},      {"FormatFont", "Font"},
        {"ColorFinder1", "Color Finder"}};
    body().loadText("one two");
    body().setSelection(4, 3);
    for (const auto& [name, caption] : entries) {
        QString seen;
        captionOfNext(seen);
        action(name)->trigger();
        EXPECT_EQ(seen, caption) << name;
        EXPECT_EQ(text(), "one two");
        EXPECT_EQ(body().selectionStart(), 4);
        EXPECT_EQ(body().selectionLength(), 3);
    }
    // The anchor, the grid and the finder replace the selection, the caret after and coloured.
    window->setHighlightingOn(true);
    body().loadText("Ho\r\nme");  // a selection over a line break goes in unchanged
    body().selectAll();
    onDialog([](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("txtDesc")->text(), "Ho\r\nme");
        d.findChild<QLineEdit*>("txtAddr")->setText("index.html");
        return click(d, "btnOK");
    });
    QTest::keyClick(&body(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(text(), "<a href=\"index.html\">Ho\r\nme</a>");
    EXPECT_EQ(body().caretPosition(), static_cast<markup::Pos>(text().size()));
    EXPECT_EQ(body().selectionLength(), 0);
    EXPECT_EQ(body().styleAt(0), markup::TagStyle);  // both lines recoloured
    EXPECT_EQ(body().styleAt(text().size() - 1), markup::TagStyle);
    EXPECT_EQ(body().styleAt(22), markup::DefaultStyle);

    // The toolbar's colour grid: a left click writes the code, a right click opens the finder.
    auto* grid = window->findChild<dialogs::ColorGrid*>("ColorGrid");
    ASSERT_NE(grid, nullptr);
    body().loadText("x");
    body().setSelection(1, 0);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(9).center());
    ASSERT_TRUE(QTest::qWaitFor([this] { return text() == "xff0000"; })) << text();
    EXPECT_EQ(body().caretPosition(), 7);
    EXPECT_EQ(body().styleAt(1), markup::TagStyle);
    EXPECT_EQ(body().styleAt(0), markup::DefaultStyle);

    QString seen;
    captionOfNext(seen);
    QTest::mouseClick(grid, Qt::RightButton, {}, grid->cellRect(0).center());
    EXPECT_TRUE(QTest::qWaitFor([&seen] { return !seen.isEmpty(); }));
    EXPECT_EQ(seen, "Color Finder");
    EXPECT_EQ(text(), "xff0000");  // closed without inserting: text and caret stay
    EXPECT_EQ(body().caretPosition(), 7);
    // A right click on a selected code opens the finder on it; elsewhere, the context menu.
    const std::string page = R"(<body bgcolor="FFCC00" text="FFCC0">)";
    // selection start, length, whether the finder opens (else the context menu)
    const std::tuple<int, int, bool> selections[] = {
        {15, 6, true}, {15, 5, false}, {14, 7, false}, {29, 5, false}, {6, 6, false}};
    for (const auto& [start, length, opens] : selections) {
        body().loadText(page);
        body().setSelection(start, length);
        bool finder = false, menu = false;
        onDialog([&finder](QDialog& d) {
            finder = true;
            EXPECT_EQ(static_cast<dialogs::TfrmHex&>(d).positions(), (dialogs::Rgb{255, 204, 0}));
            return click(d, "btnInsert");
        });
        QTimer::singleShot(0, [&menu] {
            if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) menu = true, popup->close();
        });
        rightClickAt(start + 1);
        EXPECT_EQ(finder, opens) << start << "+" << length;
        EXPECT_EQ(menu, !opens) << start << "+" << length;
        if (opens) {
            EXPECT_EQ(text(), R"(<body bgcolor="ffcc00" text="FFCC0">)");
        }
        ui.modals.clear();
    }
}

TEST_F(MainWindowTagDialogs, ChoicesComeBackAtTheNextOpening)
{
    QStringList shown;
    auto show = [&shown](const char* name) {
        return [&shown, name](QDialog& d) {
            QWidget* w = d.findChild<QWidget*>(QString::fromLatin1(name));
            shown << (qobject_cast<QComboBox*>(w) ? static_cast<QComboBox*>(w)->currentText()
                                                  : w->property("text").toString());
            return int(QDialog::Rejected);
        };
    };
    onDialog([](QDialog& d) {
        d.findChild<QLineEdit*>("txtlSize")->setText("4");
        return click(d, "btnOK");
    });
    onDialog([](QDialog& d) {
        d.findChild<QComboBox*>("cmbSize")->setCurrentIndex(5);
        return click(d, "btnOK");
    });
    QPoint place;
    onDialog([&place](QDialog& d) {
        place = d.geometry().topLeft();
        d.findChild<QPushButton*>("btnLighter")->click();
        d.reject();  // every close stores the finder's colour and place
        return d.result();
    });
    for (const char* name : {"txtlSize", "cmbSize", "txtColor"}) onDialog(show(name));
    for (int i = 0; i < 2; ++i)
        for (const char* command : {"HorizontalLine1Click", "FormatFontClick", "ColorFinder1Click"}) run(command);
    EXPECT_EQ(text(), R"(<hr align="left" size="4"><font size="+2" color="000000">)");
    EXPECT_EQ(shown, QStringList({"4", "+2", "070707"}));
    const QRect frame = window->frameGeometry();
    EXPECT_EQ(place, QPoint(frame.x() + frame.width() / 2, frame.y() + frame.height() / 2));
}

}  // namespace
