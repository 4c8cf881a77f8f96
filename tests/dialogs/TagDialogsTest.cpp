// The tag builder dialogs as the author drives them, with real keys: the
// first focus and the tab order, Return and Esc, warnings, the font dialog's
// fold-out and the colour finder.
#include <QClipboard>
#include <QLabel>

#include "dialogs/LinkComposition.h"
#include "dialogs/TfrmEMail.h"
#include "dialogs/TfrmFonts.h"
#include "dialogs/TfrmHex.h"
#include "dialogs/TfrmImage.h"
#include "dialogs/TfrmLine.h"
#include "dialogs/TfrmLink.h"
#include "dialogs/TfrmStyle.h"
#include "settings/SettingsStore.h"
#include "support/DialogTest.h"

namespace {

using namespace dialogs;

class DialogKeys : public testing_support::DialogTest<> {
protected:
    bool closedWith(int result) const { return !dialog->isVisible() && dialog->result() == result; }

    testing_support::ScriptedInteraction ui;
};

std::unique_ptr<QDialog> namedImage()
{
    auto d = std::make_unique<TfrmImage>(true);
    d->findChild<QLineEdit*>("txtImage")->setText("a.gif");
    return d;
}

struct DialogRow {
    const char* caption;
    std::function<std::unique_ptr<QDialog>()> make;
    const char* tabOrder;  // the first has the focus at opening
    const char* returnPressesOk;
};

// clang-format off
const DialogRow kDialogs[] = {
    {"Anchor", [] { return std::make_unique<TfrmLink>("Home", true); },
     "txtAddr txtDesc txtTarget btnOK btnCancel", "txtTarget"},
    {"E-Mail Anchor", [] { return std::make_unique<TfrmEMail>("", true); }, "txtAddress txtDesc Button1 Button2", ""},
    {"Style Sheet", [] { return std::make_unique<TfrmStyle>("", true); }, "txtStyle btnBrowse Button1 Button2", ""},
    {"Image", namedImage, "txtImage chkLink txtLink cmbBorder txtWidth txtHeight cmbAlign txtAlt chkISMAP chkUSEMAP "
     "txtUSEMAP btnOK btnCancel", "cmbBorder cmbAlign"},
    {"Font", [] { return std::make_unique<TfrmFonts>("", true); },
     "cmbSize txtFontFace chkColor FontClr btnCustom btnOK btnCancel", "cmbSize"},
    {"Line", [] { return std::make_unique<TfrmLine>(true); },
     "txtlSize txtlWidth cmbAlign cmbColor chkShade btnOK btnCancel", "cmbColor chkShade"},
    {"Color Finder", [] { return std::make_unique<TfrmHex>(true, QPoint(40, 30)); },
     "txtColor btnInsert btnCopy scrRed scrGreen scrBlue btnDarker", ""},
};
// clang-format on

QStringList names(const char* list)
{
    return QString::fromLatin1(list).split(u' ', Qt::SkipEmptyParts);
}

// Each opens on its first field, Tab follows the order and Esc cancels; Return
// presses OK from the named controls too.
TEST_F(DialogKeys, EachDialogKeepsItsTabOrder)
{
    for (const DialogRow& row : kDialogs) {
        SCOPED_TRACE(row.caption);
        open(row.make());
        EXPECT_EQ(dialog->windowTitle(), row.caption);
        const QStringList order = names(row.tabOrder);
        for (int i = 0; i < order.size(); ++i) {
            if (i > 0) press(Qt::Key_Tab);
            EXPECT_EQ(focus(), order[i].toStdString()) << "step " << i;
        }
        press(Qt::Key_Escape);
        EXPECT_TRUE(closedWith(QDialog::Rejected));
        for (const QString& control : names(row.returnPressesOk)) {
            open(row.make());
            for (int tabs = 0; focus() != control.toStdString() && tabs < 20; ++tabs) press(Qt::Key_Tab);
            press(Qt::Key_Return);
            EXPECT_TRUE(closedWith(QDialog::Accepted)) << control.toStdString();
            EXPECT_TRUE(ui.shown.empty()) << control.toStdString();
        }
    }
}

// A composition refused is warned about and leaves the dialog open (where
// the focus goes back after the box is Qt's).
TEST_F(DialogKeys, AWarningLeavesTheDialogOpen)
{
    open(std::make_unique<TfrmLink>("", true));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    EXPECT_EQ(ui.texts(), QStringList{QString(anchorElement({"x", "", ""}, true).warning)});
    EXPECT_TRUE(dialog->isVisible());
}

// The custom colour folds the dialog out about its centre and back (it grows
// down only while folded out); the colour mixed there is the one shown.
// Cancelled, no colour is stored.
TEST_F(DialogKeys, TheFontDialogFoldsOutAboutItsCentre)
{
    open(std::make_unique<TfrmFonts>(R"(<body BGCOLOR="#FFFFCC">)", true));
    auto* fonts = static_cast<TfrmFonts*>(dialog.get());
    auto* preview = child<QLabel>("pnlPreview");
    EXPECT_EQ(preview->palette().color(QPalette::Window), QColor(0xFFFFCC));  // the page's own background
    const QRect in = dialog->geometry();
    QTest::mouseClick(child("btnCustom"), Qt::LeftButton);
    ASSERT_TRUE(fonts->foldedOut());
    EXPECT_GE(dialog->width(), TfrmFonts::kFoldedOutWidth);
    EXPECT_NEAR(dialog->geometry().center().x(), in.center().x(), 1);
    press(Qt::Key_L, Qt::AltModifier);  // Lighter: every bar up by 7
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview->text() == "070707"; })) << preview->text().toStdString();
    QTest::mouseClick(child("btnApply"), Qt::LeftButton);
    EXPECT_EQ(dialog->geometry(), in);
    press(Qt::Key_Escape);
    EXPECT_FALSE(settings::SettingsStore().hasValue("fonts", "lastcolor"));
}

// Return reads the code typed (the buttons must not take it) and the finder
// stays open; a text that is no code is refused with the focus kept; Alt+C
// copies the code and closes.
TEST_F(DialogKeys, TheFinderReadsACodeOnReturn)
{
    open(std::make_unique<TfrmHex>(true, QPoint(40, 30)));
    auto* finder = static_cast<TfrmHex*>(dialog.get());
    EXPECT_EQ(dialog->geometry().topLeft(), QPoint(40, 30));
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab);
    for (const char* typed : {"navy", "FFCC00"}) {
        const Rgb before = finder->positions();
        press(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        press(Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(finder->positions(), (*typed == 'n' ? before : Rgb{255, 204, 0})) << typed;
        EXPECT_EQ(focus(), "txtColor");
    }
    EXPECT_EQ(ui.texts(), QStringList{"navy is not a colour code of six hexadecimal digits."});
    press(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }));
    EXPECT_EQ(QApplication::clipboard()->text(), "ffcc00");  // in the tag case
}

}  // namespace
