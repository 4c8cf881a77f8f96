// The Options dialog: its data (every field stored under its own setting, the
// line-break conversions) as tables, and the dialog as the
// user drives it: its fields showing and returning every value of the form,
// real key presses for the page keys, Return and Esc; the colour sample; the
// length limit of the snippet fields.
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>

#include "dialogs/ColorGrid.h"
#include "dialogs/MultiLineField.h"
#include "dialogs/TfrmOptions.h"
#include "markup/Palette.h"
#include "settings/SettingsStore.h"
#include "settings/Themes.h"
#include "support/DialogTest.h"

namespace {

using dialogs::OptionsForm;
using dialogs::TfrmOptions;
using settings::SettingsStore;
namespace user = settings::user;

// An Options form with every field changed from its default and each distinct,
// so that two fields swapped or one forgotten show.
// clang-format off
const OptionsForm kEveryFieldChanged{
    .sideMask = "*.a", .sideColour = 2, .lowerCaseTags = false, .FullCellTag = false, .KeepSelected = false,
    .closeTags = false,
    .preImage = "img/", .syntaxColour = 13, .name = "N", .address = "line 1\r\nline 2", .phone = "P", .fax = "F",
    .mail = "M", .url = "U", .stampAsComment = false, .preCustom = "pre", .custom = "post", .timeFormat = 2,
    .quickTable = "<t>\r\n</t>", .quickStyle = "<s>", .quickScript = "<x>", .microsoftBrowser = true,
    .browserPath = "/b", .tool1Path = "/t1", .tool1Name = "n1", .tool2Path = "/t2", .tool2Name = "n2",
    .tool3Path = "/t3", .tool3Name = "n3", .keySet = 1, .theme = 2, .liveColour = true};
// clang-format on

// Where a setting is stored, for reading it back as text.
template <typename T>
std::pair<QString, QString> at(const settings::Setting<T>& s)
{
    return {s.section, s.ident};
}

TEST(OptionsForm, EveryFieldIsStoredUnderItsOwnSetting)
{
    SettingsStore store;
    dialogs::writeOptionsForm(store, kEveryFieldChanged);
    const std::pair<std::pair<QString, QString>, const char*> stored[] = {
        {at(user::kShowUpdate), "1"},    {at(user::kLowerCase), "0"},
        {at(user::kSyntaxColour), "13"}, {at(user::kSideColour), "2"},
        {at(user::kTimeFormat), "2"},    {at(user::kBrowser), "microsoft"},
        {at(user::kTool1Path), "/t1"},   {at(user::kTool1Name), "n1"},
        {at(user::kTool2Path), "/t2"},   {at(user::kTool2Name), "n2"},
        {at(user::kTool3Path), "/t3"},   {at(user::kTool3Name), "n3"},
        {at(user::kNsPath), "/b"},       {at(user::kMail), "M"},
        {at(user::kPreImage), "img/"},   {at(settings::quick::kTable), "<t>\r\n</t>"}};
    for (const auto& [where, value] : stored)
        EXPECT_EQ(store.ReadString(where.first, where.second, "-"), value) << where.second.toStdString();
    // Text fields are stored also when empty.
    dialogs::writeOptionsForm(store, OptionsForm{});
    for (const auto& s : {user::kSideMask, user::kCustom, user::kName, user::kTool1Path, user::kPreImage})
        EXPECT_EQ(store.ReadString(s.section, s.ident, "-"), "") << s.ident.toStdString();
}

TEST(OptionsForm, LineBreaksAreStoredAsCrLf)
{
    const std::pair<QString, QString> cases[] = {
        {"a\nb", "a\r\nb"},
        {"a\rb", "a\r\nb"},
        {QString("a") + QChar::ParagraphSeparator + "b" + QChar::LineSeparator + "c", "a\r\nb\r\nc"},
        {"\n\n", "\r\n\r\n"}};
    for (const auto& [edited, kept] : cases) {
        EXPECT_EQ(dialogs::toStoredLines(edited), kept) << edited.toStdString();
        EXPECT_EQ(dialogs::toStoredLines(dialogs::fromStoredLines(kept)), kept) << edited.toStdString();
    }
}

class OptionsDialog : public testing_support::DialogTest<TfrmOptions> {
protected:
    // The page shown and the control with the focus, as "page:name".
    std::string where() const { return std::to_string(dialog->pages()->currentIndex()) + ":" + focus(); }
};

// Every field shows the stored value and OK stores it back unchanged: the
// defaults, every field changed, and values no control can show. The other
// browser greys out the path.
TEST_F(OptionsDialog, OkStoresEveryFieldAsShown)
{
    OptionsForm unshowable = kEveryFieldChanged;
    unshowable.timeFormat = 7;
    unshowable.sideColour = -1;
    for (const dialogs::OptionsForm& form :
         {dialogs::readOptionsForm(SettingsStore()), kEveryFieldChanged, unshowable}) {
        QFile::remove(SettingsStore::pathOf("Quillon"));
        {
            SettingsStore store;
            dialogs::writeOptionsForm(store, form);
            store.write(settings::user::kTimeFormat, form.timeFormat);  // also one no button offers
        }
        open();
        EXPECT_EQ(dialog->form(), form);
        EXPECT_EQ(child<QLineEdit>("txtBrowser")->isEnabled(), !form.microsoftBrowser);
        child<QPushButton>("btnOK")->click();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(dialogs::readOptionsForm(SettingsStore()), form);
    }
}

// Every tab's access key shows its page from any other page, the focus in it.
// (That no control shares a key: tests/screens.)
TEST_F(OptionsDialog, EachTabsAccessKeyShowsItsPage)
{
    open();
    EXPECT_EQ(where(), "0:txtSideMask");
    QTabWidget* pages = dialog->pages();
    auto keyOf = [](const QString& caption) { return Qt::Key(QKeySequence::mnemonic(caption)[0].key()); };
    for (int from = 0; from < pages->count(); ++from) {
        for (int to = 0; to < pages->count(); ++to) {
            if (to == from) continue;
            pages->setCurrentIndex(from);
            press(keyOf(pages->tabText(to)), Qt::AltModifier);
            QWidget* focus = QApplication::focusWidget();
            EXPECT_TRUE(focus && pages->widget(to)->isAncestorOf(focus)) << where() << " not " << to;
        }
    }
}

// Return in a multi-line field starts a new line; from a one-line field it
// accepts, even after a button had the focus. Esc, also from a multi-line
// field, stores nothing.
TEST_F(OptionsDialog, ReturnAcceptsFromAOneLineFieldEscStoresNothing)
{
    for (const Qt::Key closing : {Qt::Key_Escape, Qt::Key_Return}) {
        SCOPED_TRACE(closing);
        open();
        press(Qt::Key_U, Qt::AltModifier);
        auto* address = child<dialogs::MultiLineField>("txtAddress");
        address->setFocus();
        address->setStoredText("one");
        address->moveCursor(QTextCursor::End);
        press(Qt::Key_Return);
        QTest::keyClicks(address, "two");
        EXPECT_TRUE(dialog->isVisible());
        if (closing == Qt::Key_Return) {
            press(Qt::Key_L, Qt::AltModifier);
            child<QPushButton>("BrowseUser2")->setFocus(Qt::TabFocusReason);
            child<QLineEdit>("txtUser2Name")->setFocus(Qt::TabFocusReason);
        }
        press(closing);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), closing == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialogs::readOptionsForm(SettingsStore()).address,
                  closing == Qt::Key_Return ? QStringLiteral("one\r\ntwo") : settings::user::kAddress.def);
    }
}

// The sample shows the chosen colour, and a warning shows under the grid
// while it is unreadable on the theme's paper.
TEST_F(OptionsDialog, TheSampleShowsTheChosenColour)
{
    open();
    auto* grid = child<dialogs::ColorGrid>("SyntaxClrBar");
    auto* sample = child<QLabel>("lblSyntax");
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(9).center());
    // In the colour it paints with (it sits on a panel of the editor's
    // background, where a label would otherwise paint in the text colour).
    EXPECT_EQ(sample->palette().color(sample->foregroundRole()), dialogs::ColorGrid::colourAt(9));
    // Unreadable on the theme's paper: a warning under the grid.
    child<QComboBox>("cmbTheme")->setCurrentIndex(1);
    const settings::Theme& dark = settings::themeFor(1, false);
    for (int cell = 0; cell < markup::kPaletteSize; ++cell) {
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(cell).center());
        EXPECT_EQ(!child<QLabel>("lblContrast")->isHidden(), !settings::readableOn(markup::paletteRgb(cell), dark))
            << cell;
    }
}

// A line break counts as the CR LF it is stored as; a longer stored text is
// shown whole, only typing is refused.
TEST_F(OptionsDialog, SnippetFieldsTakeAtMost1024StoredCharacters)
{
    open();
    press(Qt::Key_R, Qt::AltModifier);
    auto* script = child<dialogs::MultiLineField>("txtQuickScript");
    script->setStoredText(QString(1020, 'x'));
    script->moveCursor(QTextCursor::End);
    press(Qt::Key_Return);
    QTest::keyClicks(script, "abcdef");
    EXPECT_EQ(script->storedText(), QString(1020, 'x') + "\r\nab");
    script->setStoredText(QString(1100, 'y'));
    QTest::keyClicks(script, "z");
    EXPECT_EQ(script->storedText(), QString(1100, 'y'));
}

}  // namespace
