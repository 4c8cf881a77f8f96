// The Options dialog as the user drives it: real key presses for the access
// keys, page changes, Return and Esc; the fields it shows and stores; hints,
// buddies and labels that fit at the dialog's size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "dialogs/ColorGrid.h"
#include "dialogs/MultiLineField.h"
#include "dialogs/TfrmOptions.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedInteraction.h"

namespace {

using dialogs::TfrmOptions;
using settings::SettingsStore;

class OptionsDialog : public testing::Test {
protected:
    void open()
    {
        dialog = std::make_unique<TfrmOptions>();
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    template <typename W>
    W* child(const char* name)
    {
        W* w = dialog->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // A key pressed where the focus is, as the user would.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog.get();
        QTest::keyClick(target, key, modifiers);
    }
    int page() const { return dialog->pages()->currentIndex(); }
    // The page shown and the control with the focus, as "page:name".
    std::string where() const
    {
        const QWidget* focus = QApplication::focusWidget();
        return std::to_string(page()) + ":" + (focus ? focus->objectName().toStdString() : "none");
    }
    bool focusOnPage(int index) const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus && dialog->pages()->widget(index)->isAncestorOf(focus);
    }
    QString storedText() const
    {
        QFile file(SettingsStore::pathOf("Quillon"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static std::string describe(const QWidget* w)
    {
        if (!w->objectName().isEmpty()) return w->objectName().toStdString();
        const auto* label = qobject_cast<const QLabel*>(w);
        return label ? label->text().toStdString() : w->metaObject()->className();
    }

    std::unique_ptr<TfrmOptions> dialog;
};

TEST_F(OptionsDialog, OpensOnGeneralOptionsWithTheFirstFieldFocused)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), "Quillon Pro Options");
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(dialog->pages()->tabText(0), "&General Options");
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>("txtSideMask"));
    EXPECT_EQ(child<QLineEdit>("txtSideMask")->text(), "*.htm;*.shtm;*.txt;*.map;*.gif;*.jpg;*.jpeg");
    EXPECT_EQ(child<QComboBox>("cmbBgSide")->currentText(), "Shade 1");
    EXPECT_EQ(child<dialogs::ColorGrid>("SyntaxClrBar")->selectedIndex(), 4);
    EXPECT_EQ(child<QLabel>("lblSyntax")->palette().color(QPalette::WindowText), QColor(0x000080));
    EXPECT_TRUE(child<QRadioButton>("optTime5")->isChecked());
    EXPECT_TRUE(child<QRadioButton>("optNetscape")->isChecked());
}

TEST_F(OptionsDialog, EveryPageAnswersItsAccessKeyAndTakesTheFocus)
{
    open();
    // Each key pressed from a page where no control shares it.
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_L, 6}, {Qt::Key_G, 0}, {Qt::Key_U, 1}, {Qt::Key_S, 2},
                                             {Qt::Key_T, 3}, {Qt::Key_Y, 4}, {Qt::Key_C, 5}, {Qt::Key_L, 6}};
    for (const auto& [key, index] : steps) {
        press(key, Qt::AltModifier);
        EXPECT_EQ(page(), index) << QKeySequence(key).toString().toStdString();
        EXPECT_TRUE(focusOnPage(index)) << index;
    }
}

TEST_F(OptionsDialog, KeySharedWithATabReachesTheControlOnItsPageFirst)
{
    open();
    auto* chkCase = child<QCheckBox>("chkCase");
    // While the control lacks the focus, the key takes it there, however
    // often it was pressed before.
    for (int i = 0; i < 2; ++i) {
        child<QLineEdit>("txtSideMask")->setFocus();
        press(Qt::Key_T, Qt::AltModifier);
        EXPECT_EQ(where(), "0:chkCase");
    }
    EXPECT_TRUE(chkCase->isChecked());  // reached, not toggled: Space does that
    press(Qt::Key_Space);
    EXPECT_FALSE(chkCase->isChecked());
    press(Qt::Key_T, Qt::AltModifier);  // pressed again: on to its tab
    EXPECT_EQ(where(), "3:txtQuickTable");
    press(Qt::Key_G, Qt::AltModifier);  // back where it was left
    EXPECT_EQ(where(), "0:chkCase");
    press(Qt::Key_Y, Qt::AltModifier);  // "S&ytnax Highlight Color:" before "Quick St&yle"
    EXPECT_EQ(where(), "0:SyntaxClrBar");
    press(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(where(), "1:txtName");
    for (int i = 0; i < 2; ++i) {  // "Your &URL" lives on "&User Info": it stays there
        press(Qt::Key_U, Qt::AltModifier);
        EXPECT_EQ(where(), "1:txtURL");
    }
}

TEST_F(OptionsDialog, LabelsLeadToTheirFields)
{
    open();
    // Alt+U first changes the page.
    for (auto [key, at] : {std::pair(Qt::Key_V, "0:txtSideMask"),
                           {Qt::Key_U, "1:txtName"},
                           {Qt::Key_A, "1:txtAddress"},
                           {Qt::Key_P, "1:txtPhone"},
                           {Qt::Key_F, "1:txtFax"},
                           {Qt::Key_E, "1:txtMailAddr"},
                           {Qt::Key_N, "1:txtName"}}) {
        press(key, Qt::AltModifier);
        EXPECT_EQ(where(), at);
    }
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->objectName() == "lblSyntax") continue;
        EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
    }
}

TEST_F(OptionsDialog, CheckBoxesAndRadioButtonsAnswerAccessKeysAndSpace)
{
    open();
    auto* keep = child<QCheckBox>("chkKeepSel");
    press(Qt::Key_K, Qt::AltModifier);
    QTRY_VERIFY(!keep->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), keep);
    press(Qt::Key_Space);
    EXPECT_TRUE(keep->isChecked());

    press(Qt::Key_S, Qt::AltModifier);
    auto* update = child<QCheckBox>("chkUpdate");
    press(Qt::Key_I, Qt::AltModifier);
    QTRY_VERIFY(!update->isChecked());

    press(Qt::Key_L, Qt::AltModifier);
    auto* path = child<QLineEdit>("txtBrowser");
    auto* browse = child<QPushButton>("btnBrowseBrowser");
    EXPECT_TRUE(path->isEnabled());
    press(Qt::Key_M, Qt::AltModifier);
    QTRY_VERIFY(child<QRadioButton>("optMicrosoft")->isChecked());
    EXPECT_FALSE(path->isEnabled());
    EXPECT_FALSE(browse->isEnabled());
    press(Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(child<QRadioButton>("optNetscape")->isChecked());
    EXPECT_TRUE(path->isEnabled());
    EXPECT_TRUE(browse->isEnabled());
}

TEST_F(OptionsDialog, CtrlTabChangesPageAlsoFromAMultiLineField)
{
    open();
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(where(), "1:txtName");
    press(Qt::Key_T, Qt::AltModifier);
    auto* table = child<dialogs::MultiLineField>("txtQuickTable");
    ASSERT_EQ(QApplication::focusWidget(), table);
    const QString before = table->storedText();
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(where(), "4:txtQuickStyle");
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(where(), "3:txtQuickTable");
    EXPECT_EQ(table->storedText(), before);  // no tab typed into the snippet
}

TEST_F(OptionsDialog, ReturnInAOneLineFieldAcceptsAndStores)
{
    open();
    // A button that had the focus must not stay the default button.
    press(Qt::Key_L, Qt::AltModifier);
    child<QPushButton>("btnCancel")->setFocus(Qt::TabFocusReason);
    child<QPushButton>("BrowseUser2")->setFocus(Qt::TabFocusReason);
    child<QLineEdit>("txtUser2Name")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), "Lint");
    press(Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    const SettingsStore store;
    EXPECT_EQ(store.ReadString("user", "defname1", "-"), "Lint");
    EXPECT_EQ(store.ReadString("user", "sidemask", "-"), "*.htm;*.shtm;*.txt;*.map;*.gif;*.jpg;*.jpeg");
    EXPECT_EQ(store.ReadInteger("user", "sidecolor", 9), 1);
    EXPECT_EQ(store.ReadString("user", "browser", "-"), "netscape");
}

TEST_F(OptionsDialog, ReturnInAMultiLineFieldStartsANewLine)
{
    open();
    press(Qt::Key_U, Qt::AltModifier);
    press(Qt::Key_A, Qt::AltModifier);
    auto* address = child<dialogs::MultiLineField>("txtAddress");
    ASSERT_EQ(QApplication::focusWidget(), address);
    address->setStoredText("one");
    address->moveCursor(QTextCursor::End);
    press(Qt::Key_Return);
    QTest::keyClicks(address, "two");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(address->storedText(), "one\r\ntwo");
    child<QPushButton>("btnOK")->click();
    EXPECT_EQ(SettingsStore().ReadString("user", "address", "-"), "one\r\ntwo");
}

TEST_F(OptionsDialog, EscCancelsAndStoresNothing)
{
    SettingsStore().WriteString("user", "name", "Before");
    const QString before = storedText();
    open();
    auto* name = child<QLineEdit>("txtName");
    EXPECT_EQ(name->text(), "Before");
    name->setText("After");
    child<QCheckBox>("chkCase")->setChecked(false);
    child<QPlainTextEdit>("txtQuickStyle")->setFocus();
    press(Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(storedText(), before);
}

TEST_F(OptionsDialog, StoredTimeFormatSevenShowsNoButtonAndStays)
{
    SettingsStore().WriteInteger("user", "timeformat", 7);
    open();
    for (int i = 1; i <= 6; ++i)
        EXPECT_FALSE(child<QRadioButton>(("optTime" + std::to_string(i)).c_str())->isChecked()) << i;
    child<QPushButton>("btnOK")->click();
    EXPECT_EQ(SettingsStore().ReadInteger("user", "timeformat", 0), 7);
}

TEST_F(OptionsDialog, StoredMicrosoftGreysOutThePathWhichIsStillStored)
{
    SettingsStore store;
    store.WriteString("user", "browser", "MicroSoft");
    store.WriteString("user", "nspath", "/opt/browser");
    store.close();
    open();
    EXPECT_TRUE(child<QRadioButton>("optMicrosoft")->isChecked());
    EXPECT_FALSE(child<QLineEdit>("txtBrowser")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("btnBrowseBrowser")->isEnabled());
    child<QPushButton>("btnOK")->click();
    const SettingsStore after;
    EXPECT_EQ(after.ReadString("user", "browser", "-"), "microsoft");
    EXPECT_EQ(after.ReadString("user", "nspath", "-"), "/opt/browser");
}

TEST_F(OptionsDialog, ColourGridColoursTheSampleAndIsStored)
{
    open();
    auto* grid = child<dialogs::ColorGrid>("SyntaxClrBar");
    auto* sample = child<QLabel>("lblSyntax");
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(9).center());
    EXPECT_EQ(grid->selectedIndex(), 9);
    EXPECT_EQ(sample->palette().color(QPalette::WindowText), QColor(0xFF0000));
    // And the sample is painted in it (it sits on a panel of the editor's
    // background, where a label would otherwise paint in the text colour).
    const QImage shot = sample->grab().toImage();
    int red = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            red += c.red() > 150 && c.green() < 100 && c.blue() < 100;
        }
    EXPECT_GT(red, 20);
    grid->setFocus();
    press(Qt::Key_Down);  // 9 is in the lower row already: stays
    EXPECT_EQ(grid->selectedIndex(), 9);
    press(Qt::Key_Up);
    EXPECT_EQ(grid->selectedIndex(), 1);
    press(Qt::Key_Right);
    EXPECT_EQ(grid->selectedIndex(), 2);
    EXPECT_EQ(sample->palette().color(QPalette::WindowText), QColor(0x008000));
    child<QPushButton>("btnOK")->click();
    EXPECT_EQ(SettingsStore().ReadInteger("user", "syntaxclr", 0), 2);
}

TEST_F(OptionsDialog, SampleUsesTheEditorsFont)
{
    SettingsStore store;
    store.WriteString("Fonts", "name", "DejaVu Sans Mono");
    store.WriteInteger("Fonts", "size", 15);
    store.WriteBool("Fonts", "italic", true);
    store.close();
    open();
    const QFont font = child<QLabel>("lblSyntax")->font();
    EXPECT_EQ(font.family(), "DejaVu Sans Mono");
    EXPECT_EQ(font.pointSize(), 15);
    EXPECT_TRUE(font.italic());
    EXPECT_FALSE(font.bold());
}

TEST_F(OptionsDialog, SnippetFieldsHoldAtMost1024StoredCharacters)
{
    open();
    press(Qt::Key_C, Qt::AltModifier);
    auto* script = child<dialogs::MultiLineField>("txtQuickScript");
    ASSERT_EQ(QApplication::focusWidget(), script);
    script->setStoredText(QString(1020, 'x'));
    script->moveCursor(QTextCursor::End);
    press(Qt::Key_Return);  // a line break counts as the CR LF it is stored as
    QTest::keyClicks(script, "abcdef");
    EXPECT_EQ(script->storedText(), QString(1020, 'x') + "\r\nab");
    // A longer stored text is shown whole; only typing is refused.
    script->setStoredText(QString(1100, 'y'));
    script->moveCursor(QTextCursor::Start);
    QTest::keyClicks(script, "z");
    EXPECT_EQ(script->storedText(), QString(1100, 'y'));
}

TEST_F(OptionsDialog, BrowseButtonsTakeOnlyPrograms)
{
    testing_support::ScriptedInteraction ui;
    const QString program = QDir::currentPath() + "/tool.sh";
    const QString text = QDir::currentPath() + "/notes.txt";
    for (const QString& path : {program, text}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    open();
    auto* field = child<QLineEdit>("txtUserTool3");
    field->setText("/somewhere/old");
    ui.fileName(program);
    child<QPushButton>("BrowseUser3")->click();
    EXPECT_EQ(ui.fileDialogTitles, QStringList{"Browse"});
    EXPECT_EQ(ui.lastFolder, "/somewhere/old");  // the dialog starts at the field's program
    EXPECT_EQ(field->text(), program);

    ui.fileName(text);
    child<QPushButton>("BrowseUser3")->click();
    EXPECT_EQ(field->text(), program);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Warning);

    child<QPushButton>("BrowseUser1")->click();  // cancelled: nothing changes
    EXPECT_EQ(child<QLineEdit>("txtUserTool1")->text(), "");
}

TEST_F(OptionsDialog, EveryControlHasItsHint)
{
    open();
    const std::pair<const char*, const char*> exact[] = {
        {"txtSideMask", "Choose which file types the side list shows, seperate extensions with semi-colon"},
        {"chkFullCellTag", "Use full syntax or just <TD>"},
        {"txtBrowser", "Path to to Netscape's  browser program"},
        {"txtUserTool2", "Path to your choice of program #2 that launches from the Tools menu"},
        {"txtQuickScript", "Customize the behavior of \"Quick Table\""},
        {"optTime6", "Format to use when inserting the time into update stamp"}};
    for (const auto& [name, hint] : exact) EXPECT_EQ(child<QWidget>(name)->toolTip(), hint) << name;

    int controls = 0;
    for (QWidget* w : dialog->pages()->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                             qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<dialogs::ColorGrid*>(w);
        if (!control || w->objectName().isEmpty() || w->parent() == dialog->pages()->tabBar()) continue;
        ++controls;
        EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();
    }
    EXPECT_EQ(controls, 38);
}

TEST_F(OptionsDialog, NoLabelIsClippedAtTheDialogsSize)
{
    open();
    const QString shots = qEnvironmentVariable("QUILLON_SCREENSHOTS");
    for (int i = 0; i < dialog->pages()->count(); ++i) {
        dialog->pages()->setCurrentIndex(i);
        QCoreApplication::processEvents();
        if (!shots.isEmpty()) dialog->grab().save(shots + QString("/options-page%1.png").arg(i + 1));
        for (QWidget* w : dialog->pages()->widget(i)->findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            const std::string name = describe(w);
            EXPECT_TRUE(dialog->rect().contains(QRect(w->mapTo(dialog.get(), QPoint()), w->size()))) << name;
            const bool captioned = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w);
            if (captioned) {
                EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name;
            }
            if (auto* button = qobject_cast<QPushButton*>(w)) {
                EXPECT_GE(w->width(), w->fontMetrics().horizontalAdvance(button->text()) + 8) << name;
            } else if (captioned) {
                EXPECT_GE(w->width(), w->sizeHint().width()) << name;
            }
        }
    }
    const QTabBar* tabs = dialog->pages()->tabBar();
    EXPECT_GE(tabs->width(), tabs->sizeHint().width());  // no tab hidden behind scroll buttons
    EXPECT_GE(dialog->width(), 498);
    EXPECT_GE(dialog->height(), 288);
}

}  // namespace
