// The tag builder dialogs through the real main window: shortcuts and menu
// entries open them, OK puts their element in place of the selection, the
// toolbar's colour grid, the right click on a selected colour code, and
// choices that come back at the next opening.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "MainWindowFixture.h"
#include "app/CommandTable.h"
#include "dialogs/ColorGrid.h"
#include "dialogs/TfrmHex.h"

namespace {

class MainWindowTagDialogs : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        activate();
    }
    app::BodyEditor& body() { return window->editor(); }
    // What the next dialog does: `act` on it, then its result.
    void onDialog(std::function<int(QDialog&)> act) { ui.onModal(std::move(act)); }
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

TEST_F(MainWindowTagDialogs, EveryShortcutAndMenuEntryOpensItsDialogAndCancelChangesNothing)
{
    const std::pair<const char*, const char*> entries[] = {
        {"InsertHlink", "Anchor"},       {"InsertElink", "E-Mail Anchor"}, {"InsertStyle", "Style Sheet"},
        {"InsertImage", "Image"},        {"HorizontalLine1", "Line"},      {"FormatFont", "Font"},
        {"ColorFinder1", "Color Finder"}};
    body().loadText("one two");
    body().setSelection(4, 3);
    for (const auto& [name, caption] : entries) {
        for (const bool byKey : {true, false}) {
            QString seen;
            onDialog([&seen](QDialog& d) {
                seen = d.windowTitle();
                return int(QDialog::Rejected);
            });
            if (byKey)
                QTest::keySequence(&body(), QKeySequence(QString::fromLatin1(app::findEntry(name)->shortcut)));
            else
                window->commands().action(QString::fromLatin1(name))->trigger();
            EXPECT_EQ(seen, caption) << name << (byKey ? " by key" : " by menu");
            EXPECT_EQ(text(), "one two");
            EXPECT_EQ(body().selectionStart(), 4);
            EXPECT_EQ(body().selectionLength(), 3);
        }
    }
}

TEST_F(MainWindowTagDialogs, AnchorOverASelectedWordReplacesItWithTheCaretAfter)
{
    type("Home");
    QTest::keyClick(&body(), Qt::Key_Home, Qt::ShiftModifier);
    onDialog([](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("txtDesc")->text(), "Home");
        d.findChild<QLineEdit*>("txtAddr")->setText("index.html");
        return click(d, "btnOK");
    });
    QTest::keyClick(&body(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(text(), R"(<a href="index.html">Home</a>)");
    EXPECT_EQ(body().caretPosition(), static_cast<markup::Pos>(text().size()));
    EXPECT_EQ(body().selectionLength(), 0);
}

TEST_F(MainWindowTagDialogs, GridLeftClickInsertsTheCodeRightClickOpensTheFinder)
{
    window->setHighlightingOn(true);
    auto* grid = window->findChild<dialogs::ColorGrid*>("ColorGrid");
    ASSERT_NE(grid, nullptr);
    type("x");
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(9).center());
    ASSERT_TRUE(QTest::qWaitFor([this] { return text() == "xff0000"; })) << text();
    EXPECT_EQ(body().caretPosition(), 7);
    EXPECT_EQ(body().styleAt(1), markup::TagStyle);
    EXPECT_EQ(body().styleAt(0), markup::DefaultStyle);

    QString seen;
    onDialog([&seen](QDialog& d) {
        seen = d.windowTitle();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(grid, Qt::RightButton, {}, grid->cellRect(0).center());
    EXPECT_TRUE(QTest::qWaitFor([&seen] { return !seen.isEmpty(); }));
    EXPECT_EQ(seen, "Color Finder");
    EXPECT_EQ(text(), "xff0000");  // closed without inserting: text and caret stay
    EXPECT_EQ(body().caretPosition(), 7);
}

TEST_F(MainWindowTagDialogs, RightClickOnASelectedCodeOpensTheFinderOnIt)
{
    const std::string page = R"(<body bgcolor="FFCC00" text="FFCC0">)";
    // selection start, length, whether the finder opens (else the context menu)
    const std::tuple<int, int, bool> rows[] = {
        {15, 6, true}, {15, 5, false}, {14, 7, false}, {29, 5, false}, {6, 6, false}};
    for (const auto& [start, length, opens] : rows) {
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
        if (opens) EXPECT_EQ(text(), R"(<body bgcolor="ffcc00" text="FFCC0">)");
        ui.modals.clear();
    }
}

TEST_F(MainWindowTagDialogs, ChoicesComeBackAtTheNextOpening)
{
    QPoint place;
    const QRect frame = window->frameGeometry();
    onDialog([](QDialog& d) {
        d.findChild<QLineEdit*>("txtlSize")->setText("4");
        return click(d, "btnOK");
    });
    onDialog([](QDialog& d) {
        d.findChild<QComboBox*>("cmbSize")->setCurrentIndex(5);
        return click(d, "btnOK");
    });
    onDialog([&place](QDialog& d) {
        place = d.pos();
        d.findChild<QPushButton*>("btnLighter")->click();
        d.reject();
        return d.result();
    });
    QString size, fontSize;
    dialogs::Rgb mixed;
    onDialog([&size](QDialog& d) {
        size = d.findChild<QLineEdit*>("txtlSize")->text();
        return int(QDialog::Rejected);
    });
    onDialog([&fontSize](QDialog& d) {
        fontSize = d.findChild<QComboBox*>("cmbSize")->currentText();
        return int(QDialog::Rejected);
    });
    onDialog([&mixed](QDialog& d) {
        mixed = static_cast<dialogs::TfrmHex&>(d).positions();
        return int(QDialog::Rejected);
    });
    for (int i = 0; i < 2; ++i)
        for (const char* command : {"HorizontalLine1Click", "FormatFontClick", "ColorFinder1Click"}) run(command);
    EXPECT_EQ(text(), R"(<hr align="left" size="4"><font size="+2" color="000000">)");
    EXPECT_EQ(size, "4");
    EXPECT_EQ(fontSize, "+2");
    EXPECT_EQ(mixed, (dialogs::Rgb{7, 7, 7}));
    EXPECT_EQ(place, QPoint(frame.x() + frame.width() / 2, frame.y() + frame.height() / 2));
}

}  // namespace
