// The tag builder dialogs as the author drives them, with real keys: the
// first focus and the tab order, Return and Esc, access keys, drop-downs,
// warnings, the font dialog's fold-out and the colour finder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "dialogs/ColorGrid.h"
#include "dialogs/TfrmEMail.h"
#include "dialogs/TfrmFonts.h"
#include "dialogs/TfrmHex.h"
#include "dialogs/TfrmImage.h"
#include "dialogs/TfrmLine.h"
#include "dialogs/TfrmLink.h"
#include "dialogs/TfrmStyle.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedInteraction.h"

namespace {

using namespace dialogs;

class DialogKeys : public testing::Test {
protected:
    void open(std::unique_ptr<QDialog> made)
    {
        dialog = std::move(made);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    template <typename W = QWidget>
    W* child(const char* name) const
    {
        W* w = dialog->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static std::string focus()
    {
        const QWidget* w = QApplication::focusWidget();
        return w ? w->objectName().toStdString() : "none";
    }
    bool closedWith(int result) const { return !dialog->isVisible() && dialog->result() == result; }

    testing_support::ScriptedInteraction ui;
    std::unique_ptr<QDialog> dialog;
};

struct DialogRow {
    const char* caption;
    std::function<std::unique_ptr<QDialog>()> make;
    std::vector<const char*> tabOrder;  // the first has the focus at opening
    std::vector<const char*> returnPressesOk;
};

const DialogRow kDialogs[] = {
    {"Anchor",
     [] { return std::make_unique<TfrmLink>("Home", true); },
     {"txtAddr", "txtDesc", "txtTarget", "btnOK", "btnCancel"},
     {"txtAddr", "txtTarget"}},
    {"E-Mail Anchor",
     [] { return std::make_unique<TfrmEMail>("", true); },
     {"txtAddress", "txtDesc", "Button1", "Button2"},
     {"txtDesc"}},
    {"Style Sheet",
     [] { return std::make_unique<TfrmStyle>("", true); },
     {"txtStyle", "btnBrowse", "Button1", "Button2"},
     {"txtStyle"}},
    {"Image",
     [] {
         auto d = std::make_unique<TfrmImage>(true);
         d->findChild<QLineEdit*>("txtImage")->setText("a.gif");
         return d;
     },
     {"txtImage", "chkLink", "txtLink", "cmbBorder", "txtWidth", "txtHeight", "cmbAlign", "txtAlt", "chkISMAP",
      "chkUSEMAP", "txtUSEMAP", "btnOK", "btnCancel"},
     {"chkLink", "cmbBorder", "cmbAlign", "chkUSEMAP"}},
    {"Font",
     [] { return std::make_unique<TfrmFonts>("", true); },
     {"cmbSize", "txtFontFace", "chkColor", "FontClr", "btnCustom", "btnOK", "btnCancel"},
     {"cmbSize", "txtFontFace", "chkColor"}},
    {"Line",
     [] { return std::make_unique<TfrmLine>(true); },
     {"txtlSize", "txtlWidth", "cmbAlign", "cmbColor", "chkShade", "btnOK", "btnCancel"},
     {"cmbColor", "chkShade"}},
    {"Color Finder",
     [] { return std::make_unique<TfrmHex>(true, QPoint(40, 30)); },
     {"txtColor", "btnInsert", "btnCopy", "scrRed", "scrGreen", "scrBlue", "btnDarker"},
     {}},
};

class EveryDialog : public DialogKeys, public testing::WithParamInterface<DialogRow> {};

TEST_P(EveryDialog, OpensOnItsFirstFieldAndTabFollowsTheOrder)
{
    open(GetParam().make());
    EXPECT_EQ(dialog->windowTitle(), GetParam().caption);
    for (size_t i = 0; i < GetParam().tabOrder.size(); ++i) {
        if (i > 0) press(Qt::Key_Tab);
        EXPECT_EQ(focus(), GetParam().tabOrder[i]) << "step " << i;
    }
}

TEST_P(EveryDialog, ReturnPressesOkAndEscCancels)
{
    for (const char* control : GetParam().returnPressesOk) {
        open(GetParam().make());
        for (int tabs = 0; focus() != control && tabs < 20; ++tabs) press(Qt::Key_Tab);
        press(Qt::Key_Return);
        EXPECT_TRUE(closedWith(QDialog::Accepted)) << control;
        EXPECT_TRUE(ui.shown.empty()) << control;
    }
    open(GetParam().make());
    press(Qt::Key_Escape);
    EXPECT_TRUE(closedWith(QDialog::Rejected));
}

INSTANTIATE_TEST_SUITE_P(TagDialogs, EveryDialog, testing::ValuesIn(kDialogs), [](const auto& row) {
    QString name = QString::fromLatin1(row.param.caption);
    return name.remove(QRegularExpression("[^A-Za-z]")).toStdString();
});

TEST_F(DialogKeys, WarningInAMessageBoxLeavesTheDialogOpenWithTheFocusWhereItWas)
{
    interaction::Interaction* scripted = interaction::setInteraction(nullptr);  // real message boxes
    open(std::make_unique<TfrmLink>("", true));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    press(Qt::Key_Return);
    interaction::setInteraction(scripted);
    EXPECT_EQ(shown, "No description is specified.");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([] { return focus() == "txtTarget"; })) << focus();
}

TEST_F(DialogKeys, ImageAccessKeysDropDownsAndTheLinkBox)
{
    open(std::make_unique<TfrmImage>(true));
    // Alt+A is shared: Align first, then Alternate Text.
    for (auto [key, at] : {std::pair(Qt::Key_B, "cmbBorder"),
                           {Qt::Key_W, "txtWidth"},
                           {Qt::Key_H, "txtHeight"},
                           {Qt::Key_A, "cmbAlign"},
                           {Qt::Key_A, "txtAlt"},
                           {Qt::Key_I, "txtImage"}}) {
        press(key, Qt::AltModifier);
        EXPECT_EQ(focus(), at);
    }
    auto* link = child<QCheckBox>("chkLink");
    press(Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return link->isChecked(); }));
    press(Qt::Key_Space);
    EXPECT_FALSE(link->isChecked());
    child("txtLink")->setFocus();
    press(Qt::Key_End);
    EXPECT_TRUE(link->isChecked());  // any key in the link field ticks it

    auto* align = child<QComboBox>("cmbAlign");
    align->setFocus();
    for (auto [key, text] : {std::pair(Qt::Key_Down, "Left"), {Qt::Key_Down, "Right"}, {Qt::Key_Up, "Left"}}) {
        press(key);
        EXPECT_EQ(align->currentText(), text);
    }
    child("cmbBorder")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "12");
    child("chkISMAP")->setFocus();
    press(Qt::Key_Space);
    child("txtImage")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "p.gif");
    press(Qt::Key_Return);
    ASSERT_TRUE(closedWith(QDialog::Accepted));
    EXPECT_EQ(static_cast<TfrmImage*>(dialog.get())->element(),
              R"(<a href="http://"><img src="p.gif" align="left" border="12" ismap></a>)");
}

TEST_F(DialogKeys, LineColoursStepInPaletteOrderAndChoicesComeBack)
{
    open(std::make_unique<TfrmLine>(true));
    EXPECT_EQ(child<QLineEdit>("txtlSize")->text(), "2");
    EXPECT_EQ(child<QComboBox>("cmbAlign")->currentText(), "left");
    auto* colour = child<QComboBox>("cmbColor");
    EXPECT_EQ(colour->currentText(), "<default>");
    EXPECT_TRUE(child<QCheckBox>("chkShade")->isChecked());
    colour->setFocus();
    for (int i = 0; i < 10; ++i) press(Qt::Key_Down);
    EXPECT_EQ(colour->currentText(), "Red");
    press(Qt::Key_Up);
    EXPECT_EQ(colour->currentText(), "Grey");
    press(Qt::Key_Return);
    EXPECT_EQ(static_cast<TfrmLine*>(dialog.get())->element(), R"(<hr align="left" size="2" color="808080">)");

    open(std::make_unique<TfrmLine>(false));
    EXPECT_EQ(child<QComboBox>("cmbColor")->currentText(), "Grey");
    const settings::SettingsStore store;
    EXPECT_EQ(store.ReadString("hr", "lastcolor", "-"), "9");
    EXPECT_EQ(store.ReadString("hr", "shade", "-"), "1");
}

TEST_F(DialogKeys, StyleSheetBrowseTakesTheFileNameAlone)
{
    open(std::make_unique<TfrmStyle>("/srv/site", true));
    ui.fileName("/srv/site/css/main.css");
    child("btnBrowse")->setFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(ui.fileDialogTitles, QStringList{"Browse"});
    EXPECT_EQ(ui.lastFolder, "/srv/site");
    EXPECT_EQ(child<QLineEdit>("txtStyle")->text(), "main.css");
}

TEST_F(DialogKeys, FontDialogFoldsOutAboutItsCentreAndTakesTheMixedColour)
{
    open(std::make_unique<TfrmFonts>(R"(<body BGCOLOR="#FFFFCC">)", true));
    auto* fonts = static_cast<TfrmFonts*>(dialog.get());
    auto* preview = child<QLabel>("pnlPreview");
    EXPECT_EQ(preview->palette().color(QPalette::Window), QColor(0xFFFFCC));
    EXPECT_EQ(preview->text(), "000000");
    press(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(focus(), "cmbSize");
    press(Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(focus(), "txtFontFace");

    const QRect in = dialog->geometry();
    EXPECT_GE(in.width(), TfrmFonts::kFoldedInWidth);
    QTest::mouseClick(child("btnCustom"), Qt::LeftButton);
    ASSERT_TRUE(fonts->foldedOut());
    const QRect out = dialog->geometry();
    EXPECT_GE(out.width(), TfrmFonts::kFoldedOutWidth);
    EXPECT_NEAR(out.center().x(), in.center().x(), 1);
    press(Qt::Key_L, Qt::AltModifier);  // Lighter: every bar up by 7
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview->text() == "070707"; })) << preview->text().toStdString();
    QTest::mouseClick(child("btnApply"), Qt::LeftButton);
    EXPECT_FALSE(fonts->foldedOut());
    EXPECT_EQ(dialog->geometry(), in);

    auto* grid = child<ColorGrid>("FontClr");
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(7).center());
    EXPECT_EQ(preview->text(), "c0c0c0");
    press(Qt::Key_C, Qt::AltModifier);  // colour off: "No Change" over the grid
    EXPECT_TRUE(QTest::qWaitFor([&] { return !child<QCheckBox>("chkColor")->isChecked(); }));
    EXPECT_TRUE(child("pnlNone")->isVisible());
    EXPECT_FALSE(child("btnCustom")->isEnabled());
    press(Qt::Key_Escape);
    EXPECT_FALSE(settings::SettingsStore().HasValue("fonts", "lastcolor"));
}

TEST_F(DialogKeys, FinderReadsACodeOnReturnAndStaysOpen)
{
    open(std::make_unique<TfrmHex>(true, QPoint(40, 30)));
    auto* finder = static_cast<TfrmHex*>(dialog.get());
    EXPECT_EQ(dialog->pos(), QPoint(40, 30));
    press(Qt::Key_Tab);  // the buttons must not take the Return meant for the field
    press(Qt::Key_Backtab);
    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "FFCC00");
    EXPECT_EQ(finder->code(), "ffcc00");  // the field keeps the tag case
    press(Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(finder->positions(), (Rgb{255, 204, 0}));

    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "navy");
    press(Qt::Key_Return);
    EXPECT_EQ(ui.texts(), QStringList{"navy is not a colour code of six hexadecimal digits."});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(focus(), "txtColor");
    EXPECT_EQ(finder->positions(), (Rgb{255, 204, 0}));

    press(Qt::Key_Return);  // still "navy": refused again, nothing changes
    press(Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return finder->code() == "f8c500"; })) << finder->code().toStdString();
    EXPECT_EQ(ui.texts().size(), 2);
    press(Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }));
    EXPECT_EQ(QApplication::clipboard()->text(), "f8c500");
    const settings::SettingsStore store;
    EXPECT_EQ(store.ReadInteger("hexwin", "redpos", -1), 248);
    EXPECT_EQ(store.ReadInteger("hexwin", "left", -1), 40);
}

}  // namespace
