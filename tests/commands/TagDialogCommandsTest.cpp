// The tag builder dialogs through the real main window: OK puts their element
// in place of the selection, the toolbar's colour grid, the right click on a
// selected colour code, and the finder's place and colour. (What each dialog
// composes: tests/dialogs; which text is a colour code: ColourMixer's table
// there.)
#include <QMenu>

#include "dialogs/ColorGrid.h"
#include "dialogs/TfrmHex.h"
#include "support/MainWindowFixture.h"

namespace {

class TagDialogCommands : public ActiveWindowTest {
protected:
    static int click(QDialog& dialog, const char* button)
    {
        dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        return dialog.result();
    }
    dialogs::ColorGrid& grid() { return *window->findChild<dialogs::ColorGrid*>("ColorGrid"); }
};

// The selection, over a line break, goes into the dialog unchanged; the
// element replaces it, the caret after it and every line it spans recoloured.
TEST_F(TagDialogCommands, OkReplacesTheSelectionWithTheElementColoured)
{
    window->setHighlightingOn(true);
    body().loadText("Ho\r\nme");
    body().selectAll();
    ui.onModal([](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("txtDesc")->text(), "Ho\r\nme");
        d.findChild<QLineEdit*>("txtAddr")->setText("index.html");
        return click(d, "btnOK");
    });
    QTest::keyClick(&body(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(text(), "<a href=\"index.html\">Ho\r\nme</a>");
    EXPECT_EQ(std::pair(body().caretPosition(), body().selectionLength()), std::pair(body().length(), markup::Pos(0)));
    EXPECT_EQ(std::pair(body().styleAt(0), body().styleAt(body().length() - 1)),
              std::pair(markup::TagStyle, markup::TagStyle));
}

// A left click writes the cell's code, coloured; a right click opens the
// finder, which closed inserts nothing.
TEST_F(TagDialogCommands, TheColourGridWritesACodeOrOpensTheFinder)
{
    window->setHighlightingOn(true);
    body().loadText("x");
    body().setSelection(1, 0);
    QTest::mouseClick(&grid(), Qt::LeftButton, {}, grid().cellRect(9).center());
    ASSERT_TRUE(QTest::qWaitFor([this] { return text() == "xff0000"; })) << text();
    EXPECT_EQ(std::pair(body().styleAt(0), body().styleAt(1)), std::pair(markup::DefaultStyle, markup::TagStyle));
    bool finder = false;
    ui.onModal([&finder](QDialog& d) {
        finder = qobject_cast<dialogs::TfrmHex*>(&d) != nullptr;
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(&grid(), Qt::RightButton, {}, grid().cellRect(0).center());
    EXPECT_TRUE(QTest::qWaitFor([&finder] { return finder; }));
    EXPECT_EQ(text(), "xff0000");
    EXPECT_EQ(body().caretPosition(), 7);
}

// A right click on a selected code of six digits followed by a quote opens
// the finder on it, which puts its code back in the tag case; elsewhere the
// context menu opens.
TEST_F(TagDialogCommands, ARightClickOnASelectedCodeOpensTheFinder)
{
    const std::string page = R"(<body bgcolor="FFCC00" text="FFCC0">)";
    // selection start, length, whether the finder opens
    const std::tuple<int, int, bool> selections[] = {{15, 6, true}, {14, 7, false}, {6, 6, false}};
    for (const auto& [start, length, opens] : selections) {
        body().loadText(page);
        body().setSelection(start, length);
        bool finder = false, menu = false;
        ui.onModal([&finder](QDialog& d) {
            finder = true;
            EXPECT_EQ(static_cast<dialogs::TfrmHex&>(d).positions(), (dialogs::Rgb{255, 204, 0}));
            return click(d, "btnInsert");
        });
        QTimer::singleShot(0, [&menu] {
            if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) menu = true, popup->close();
        });
        const QPoint at = body().mapTo(window.get(), body().byteRect(start + 1).center());
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, at);
        EXPECT_EQ(std::pair(finder, menu), std::pair(opens, !opens)) << start << "+" << length;
        EXPECT_EQ(text(), opens ? R"(<body bgcolor="ffcc00" text="FFCC0">)" : page) << start << "+" << length;
        ui.modals.clear();
    }
}

// The finder opens at the centre of the main window at first, then where it
// was moved to (its place taken and stored as the same rectangle, so that it
// does not creep), with the colour mixed there.
TEST_F(TagDialogCommands, TheFinderComesBackWhereItWasWithItsColour)
{
    std::vector<QPoint> places;
    QString colour;
    ui.onModal([&places](QDialog& d) {
        places.push_back(d.geometry().topLeft());
        d.move(d.pos() + QPoint(10, 20));
        d.findChild<QPushButton*>("btnLighter")->click();
        d.reject();  // every close stores the finder's colour and place
        return d.result();
    });
    ui.onModal([&places, &colour](QDialog& d) {
        places.push_back(d.geometry().topLeft());
        colour = d.findChild<QWidget*>("txtColor")->property("text").toString();
        return int(QDialog::Rejected);
    });
    run("ColorFinder1Click");
    run("ColorFinder1Click");
    const QRect frame = window->frameGeometry();
    const QPoint centre = frame.topLeft() + QPoint(frame.width() / 2, frame.height() / 2);
    EXPECT_EQ(places, std::vector<QPoint>({centre, centre + QPoint(10, 20)}));
    EXPECT_EQ(colour, "070707");
}

}  // namespace
