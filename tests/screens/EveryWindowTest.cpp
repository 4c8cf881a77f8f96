// Every window and dialog of the editor on the small screen this binary runs
// on: CTest runs it on a 1280x1024 screen at 2x and on a 1024x768 screen at
// 1.5x (tests/CMakeLists.txt). Windows restored from the settings stay on the
// screen; each dialog, as its command opens it, fits the screen with its
// buttons in sight, and each access key in it reaches one control; a long
// path in a message wraps after its slashes.
#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextLayout>

#include "dialogs/TfrmTags.h"
#include "interaction/Interaction.h"
#include "support/MainWindowFixture.h"

namespace {

std::string nameOf(const QWidget* w)
{
    return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName())
        .toStdString();
}

QRect area(const QWidget& w)
{
    return w.screen()->availableGeometry();
}

// Whether `w` is part of what `window` shows: not hidden itself nor inside
// something hidden, except the pages of a stack (tabs) not shown at present.
bool partOfWindow(const QWidget* w, const QWidget& window)
{
    for (; w && w != &window; w = w->parentWidget())
        if (w->isHidden() && !qobject_cast<QStackedWidget*>(w->parentWidget())) return false;
    return true;
}

// Every access key of `window` and what it leads to: a button, a label's
// buddy ("nothing" for a label without one), a group box or a tab.
std::map<QString, std::vector<std::string>> accessKeys(QWidget& window)
{
    std::map<QString, std::vector<std::string>> keys;
    auto add = [&](const QString& caption, const std::string& target) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty()) keys[key.toString()].push_back(target);
    };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!partOfWindow(w, window)) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(button->text(), nameOf(button));
        else if (auto* label = qobject_cast<QLabel*>(w))
            add(label->text(), label->buddy() ? nameOf(label->buddy()) : "nothing");
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            add(group->title(), nameOf(group));
        else if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i) add(tabs->tabText(i), "tab " + tabs->tabText(i).toStdString());
    }
    return keys;
}

// The text of a field that takes typing, or nothing.
std::optional<std::string> typedText(QWidget* w)
{
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->text().toStdString();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) return plain->toPlainText().toStdString();
    if (auto* box = qobject_cast<QComboBox*>(w); box && box->isEditable()) return box->currentText().toStdString();
    return std::nullopt;
}

// Lays `label`'s text out as the label does (word wrap at its width): each
// line fits, and each but the last ends at a space or after a "/".
void expectWrapsAfterSlashes(const QLabel& label)
{
    const QString text = label.text();
    QTextLayout layout(text, label.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const int width = label.contentsRect().width();
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).remove(QChar(0x200B)).remove(QChar(0x2060));
        EXPECT_LE(line.naturalTextWidth(), width) << lines.back().toStdString();
    }
    layout.endLayout();
    EXPECT_GT(lines.size(), 1);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        EXPECT_TRUE(lines[i].endsWith(u'/') || lines[i].endsWith(u' ')) << lines[i].toStdString();
}

class EveryWindow : public MainWindowTest {
protected:
    void expectOnScreen(const QWidget& w)
    {
        EXPECT_TRUE(area(w).contains(w.frameGeometry()))
            << nameOf(&w) << " frame " << w.frameGeometry().width() << "x" << w.frameGeometry().height() << "+"
            << w.frameGeometry().x() << "+" << w.frameGeometry().y();
    }

    // The dialog on the screen with every button wholly in sight, each access
    // key leading to one control, and an Alt key no access key answers
    // typing nothing into the field with the focus.
    void check(QDialog& dialog)
    {
        if (!dialog.isVisible()) dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        SCOPED_TRACE(nameOf(&dialog));
        expectOnScreen(dialog);
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->isVisible()) {
                EXPECT_EQ(button->visibleRegion().boundingRect(), button->rect()) << nameOf(button) << " cut off";
            }
        const auto keys = accessKeys(dialog);
        for (const auto& [key, targets] : keys) {
            EXPECT_EQ(targets.size(), 1u) << key.toStdString() << " reaches " << testing::PrintToString(targets);
            EXPECT_NE(targets.front(), "nothing") << key.toStdString() << " is on a label without a field";
        }
        QWidget* focus = QApplication::focusWidget();
        const std::optional<std::string> before = focus ? typedText(focus) : std::nullopt;
        if (!before) return;
        char unused = 'A';
        while (keys.count(QKeySequence(Qt::ALT | Qt::Key(unused)).toString())) ++unused;
        QTest::keyClick(focus, unused, Qt::AltModifier);
        EXPECT_EQ(typedText(focus), before) << "Alt+" << unused << " typed into " << nameOf(focus);
    }

    // Runs `command` and checks every dialog it opens, modal or not.
    void checkCommand(const char* command)
    {
        SCOPED_TRACE(command);
        int opened = 0;
        ui.onModal([&](QDialog& d) {
            ++opened;
            check(d);
            if (d.objectName() == "frmFonts") {  // folded out for a colour of its own
                d.findChild<QPushButton*>("btnCustom")->click();
                check(d);
            }
            return int(QDialog::Rejected);
        });
        run(command);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* modeless = qobject_cast<QDialog*>(w); modeless && modeless->isVisible()) {
                ++opened;
                check(*modeless);
                modeless->close();
            }
        EXPECT_EQ(opened, 1);
        ui.modals.clear();
    }
};

// A place stored for a larger screen, or on a screen no longer connected, is
// kept on this one (the main window, the tag list and the finder); the stored
// place is written back unchanged until the window is moved.
TEST_F(EveryWindow, RestoredWindowsStayOnTheScreen)
{
    namespace mainwindow = settings::window;
    const std::pair<const settings::NumberSetting&, int> places[] = {
        {mainwindow::kLeft, 200},           {mainwindow::kTop, 100},
        {mainwindow::kWidth, 1120},         {mainwindow::kHeight, 860},
        {settings::tagwindow::kLeft, 3000}, {settings::tagwindow::kHeight, 900},
        {settings::hexwin::kLeft, 5000}};
    std::vector<int> before;
    for (const auto& [setting, value] : places)
        settings::SettingsStore().write(setting, value), before.push_back(value);
    auto stored = [&] {
        std::vector<int> values;
        for (const auto& [setting, value] : places) values.push_back(settings::SettingsStore().read(setting));
        return values;
    };
    settings::SettingsStore().write(mainwindow::kTagList, true);
    start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    expectOnScreen(*window);
    auto* list = window->findChild<dialogs::TfrmTags*>();
    ASSERT_TRUE(list && QTest::qWaitForWindowExposed(list));
    expectOnScreen(*list);
    ui.onModal([&](QDialog& finder) {
        finder.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&finder));
        expectOnScreen(finder);
        finder.reject();  // a close stores the finder's place
        return finder.result();
    });
    run("ColorFinder1Click");
    list->close();  // as the window system closes it: its place is stored
    EXPECT_TRUE(window->close());
    EXPECT_EQ(stored(), before);
    start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->move(window->pos() + QPoint(0, -1));
    const std::vector<int> moved = {window->x(), window->y(), window->width(), window->height()};
    EXPECT_TRUE(window->close());
    const std::vector<int> after = stored();
    EXPECT_EQ(std::vector(after.begin(), after.begin() + 4), moved);
}

// Each dialog as its command opens it; Qt's file and message boxes as the
// editor shows them.
TEST_F(EveryWindow, EveryDialogFitsTheScreen)
{
    start();
    for (const char* command :
         {"FileNewClick", "ToolsOptionsClick", "InsertHlinkClick", "InsertElinkClick", "InsertStyleClick",
          "InsertImageClick", "HorizontalLine1Click", "FormatFontClick", "ColorFinder1Click", "EditFindClick",
          "Replace1Click", "EditGoToLineClick", "HelpAboutClick", "ViewFontClick", "p2CreateClick",
          "btnCustom1MouseDown", "FilePrintClick"})
        checkCommand(command);
    // The tag list window and its editor.
    run("ViewTagListClick");
    auto* list = window->findChild<dialogs::TfrmTags*>();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
    expectOnScreen(*list);
    ui.onModal([&](QDialog& d) {
        check(d);
        return int(QDialog::Rejected);
    });
    list->ModifyTagList1Click();
    EXPECT_TRUE(ui.modals.empty());
    // A file dialog through the port's production side.
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(qobject_cast<QDialog*>(box), nullptr);
        check(*static_cast<QDialog*>(box));
        static_cast<QDialog*>(box)->reject();
    });
    EXPECT_EQ(interaction::WidgetInteraction().openFileName("Open", home(), {"HTML files (*.htm *.html)"}), "");
}

// A long path in a message wraps after its slashes only, every line within
// the box and the box on the screen (every kind of message is the one box
// class that breaks the text); Ctrl+C copies the text as it was given.
TEST_F(EveryWindow, ALongPathInAMessageWrapsAfterItsSlashes)
{
    QString path;
    for (int i = 0; i < 12; ++i) path += QStringLiteral("/a-folder-named-%1").arg(i);
    const QString text = QStringLiteral("Cannot open %1/page.html: no such file.").arg(path);
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
        expectOnScreen(*box);
        expectWrapsAfterSlashes(*box->findChild<QLabel*>("qt_msgbox_label"));
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), text);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    interaction::WidgetInteraction().choose(text, {"Recover", "Discard"}, 0, -1);
}

}  // namespace
