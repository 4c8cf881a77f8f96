// The whole menu tree, the context menu and the toolbars against the tables
// the editor is known by, and the shortcuts of entries never shown.
#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "app/CommandTable.h"
#include "dialogs/CustomButtons.h"

namespace {

// One line per entry: two blanks of indent per level, the caption, " =" and
// the shortcut, " [check]" for a check mark, " [hidden]" when never shown;
// "---" for a separator.
void dump(const QList<QAction*>& actions, int depth, QStringList& out)
{
    for (QAction* a : actions) {
        QString line(depth * 2, QLatin1Char(' '));
        if (a->isSeparator()) {
            line += QStringLiteral("---");
        } else {
            line += a->text();
            if (!a->shortcut().isEmpty())
                line += QStringLiteral(" =") + a->shortcut().toString(QKeySequence::PortableText);
            if (a->isCheckable()) line += QStringLiteral(" [check]");
        }
        if (!a->isVisible()) line += QStringLiteral(" [hidden]");
        out << line;
        if (a->menu()) dump(a->menu()->actions(), depth + 1, out);
    }
}

// Shortcuts written as the tables write them, in Qt's own spelling.
QStringList normalised(const char* listing)
{
    static const QRegularExpression key(QStringLiteral(" =(.+?)(?= \\[|$)"));
    QStringList lines = QString::fromUtf8(listing).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& line : lines) {
        const QRegularExpressionMatch m = key.match(line);
        if (!m.hasMatch()) continue;
        const QString spelled =
            QKeySequence::fromString(m.captured(1), QKeySequence::PortableText).toString(QKeySequence::PortableText);
        line.replace(m.capturedStart(1), m.capturedLength(1), spelled);
    }
    return lines;
}

constexpr const char* kMenuTree = R"(&File
  &New =Alt+N
  &Open.. =Alt+O
  &Save =Ctrl+S
  Save &As...
  ---
  &Print
  ---
  &Quick Page...
  --- [hidden]
  &1  [hidden]
  &2  [hidden]
  &3  [hidden]
  &4  [hidden]
  ---
  E&xit
&Edit
  &Undo =Ctrl+Z
  ---
  Cu&t =Ctrl+X
  &Copy =Ctrl+C
  &Paste =Ctrl+V
  ---
  Select &All
  ---
  &Find... =Ctrl+F
  Find &Next =F3
  &Replace =Ctrl+H
  ---
  &Go to line... =Alt+G
  ---
  &Word Wrap [check]
&View
  &Standard Toolbar [check]
  Fo&rmatting Toolbar [check]
  &Custom Toolbar [check]
  S&tatus Bar [check]
  ---
  Files and &Directories [check]
  ---
  S&yntax Highlighting [check]
  Custom &Tag List =F8 [check]
  ---
  Editor &Font...
  ---
  &Refresh =F5
Fo&rmat
  &Paragraph =Ctrl+P
  &Bold =Ctrl+B
  &Italic =Ctrl+I
  Und&erline =Alt+U
  &Center =Ctrl+T
  Comme&nts =Ctrl+N
  ---
  Table Ce&ll =Ctrl+D
  Table &Row =Ctrl+R
  ---
  &Heading
    Heading &1 =Ctrl+1
    Heading &2 =Ctrl+2
    Heading &3 =Ctrl+3
    Heading &4 =Ctrl+4
    Heading &5 =Ctrl+5
    Heading &6 =Ctrl+6
  ---
  Or&dered List =Ctrl+O
  &Unordered List =Ctrl+U
  &List Item =Ctrl+L
  ---
  &Typed Text =Ctrl+Y
  Pre-f&ormatted Text =Ctrl+W
  ---
  &Font Attributes =Ctrl+Shift+F
&Insert
  &Anchor =Ctrl+A
  &Body =Alt+B
  &E-Mail Link =Ctrl+E
  Sty&le Sheet =Shift+Alt+Y
  ---
  &Quick Table =Ctrl+Q
  Quick Scri&pt =Ctrl+Alt+S
  Quick St&yle =Ctrl+Alt+Y
  ---
  &Image =Ctrl+G
  &Line Break =Ctrl+K
  &Horizontal Line =Ctrl+Shift+H
  ---
  &Form =Shift+F1
  H&idden Value =Shift+F2
  &Text Box =Shift+F3
  Te&xt Area =Shift+F4
  &Radio Button =Shift+F5
  Chec&k Box =Shift+F6
  List B&ox =Shift+F7
  Su&bmit Button =Shift+F8
  Reset B&utton =Shift+F9
  ---
  Text From A&nother File =Ctrl+Shift+Ins
  ---
  Update &Stamp =Ctrl+Shift+S
&Special
  &Marquee =Shift+Alt+W
  &Blink =Shift+Alt+B
  &Applet =Shift+Alt+A
  ---
  &Registered =Shift+Alt+R
  &Copyright =Shift+Alt+C
  ---
  &One Fourth
  One &Half
  T&hree Fourths
  Micr&o
  De&gree
  C&ent
  Pound Ster&ling
  &Yen
  S&pace =Shift+Alt+Space
&Custom
  &1 Custom =Alt+1
  &2 Custom =Alt+2
  &3 Custom =Alt+3
  &4 Custom =Alt+4
  &5 Custom =Alt+5
  &6 Custom =Alt+6
  &7 Custom =Alt+7
  &8 Custom =Alt+8
  &9 Custom =Alt+9
  &10 Custom =Alt+0
  close1 =Shift+Alt+1 [hidden]
  close2 =Shift+Alt+2 [hidden]
  close3 =Shift+Alt+3 [hidden]
  close4 =Shift+Alt+4 [hidden]
  close5 =Shift+Alt+5 [hidden]
  close6 =Shift+Alt+6 [hidden]
  close7 =Shift+Alt+7 [hidden]
  close8 =Shift+Alt+8 [hidden]
  close9 =Shift+Alt+9 [hidden]
  close10 =Shift+Alt+0 [hidden]
&Tools
  Update &Web Browser =F9
  ---
  Co&lor Finder... =F7
  ---
  &1 User Defined Tool =F10
  &2 User Defined Tool =F11
  &3 User Defined Tool =F12
  ---
  &Convert Special Characters
    &Special Characters To HTML
    &HTML to Special Characters
  Con&vert All Tags To..
    &Upper Case
    &Lower Case
  Convert To List &Items
  ---
  R&emove All Tags
  &Remove CRLF's  =Ctrl+J
  Te&xt to HTML...
  ---
  &Options
&Help
  &Contents =F1
  ---
  &About Quillon Pro...
Hidden [hidden]
  Cut =Shift+Del
  Copy =Ctrl+Ins
  Paste =Shift+Ins
  Bold =Ctrl+Shift+B
  Italic =Ctrl+Shift+I
  Underline =Shift+Alt+U
  Paragraph =Ctrl+Shift+P
  Comments =Ctrl+Shift+N
  Center =Ctrl+Shift+T
  table cell =Ctrl+Shift+D
  table row =Ctrl+Shift+R
  unordered list =Ctrl+Shift+U
  ordered list =Ctrl+Shift+O
  line item =Ctrl+Shift+L
  preformatted =Ctrl+Shift+W
  typed text =Ctrl+Shift+Y
  h1 =Ctrl+Shift+1
  h2 =Ctrl+Shift+2
  h3 =Ctrl+Shift+3
  h4 =Ctrl+Shift+4
  h5 =Ctrl+Shift+5
  h6 =Ctrl+Shift+6
)";

constexpr const char* kContextMenu = R"(&Undo
---
Cu&t
&Copy
&Paste
Select &All
---
&New
Prin&t
---
&Find
&Replace
---
&Color Finder...
Insert Text...
)";

// name: hint, or name "text": hint for a button showing text.
QStringList barListing(QToolBar* bar)
{
    QStringList out;
    for (QObject* child : bar->children()) {
        if (auto* b = qobject_cast<QToolButton*>(child)) {
            if (!b->objectName().startsWith(QLatin1String("btn"))) continue;
            QString line = b->objectName();
            if (b->toolButtonStyle() == Qt::ToolButtonTextOnly)
                line += QStringLiteral(" \"%1\"").arg(b->text());
            else if (b->icon().isNull())
                line += QStringLiteral(" (no picture)");
            out << line + QStringLiteral(": ") + b->toolTip();
        } else if (child->objectName() == QLatin1String("ColorGrid")) {
            out << QStringLiteral("ColorGrid: ") + static_cast<QWidget*>(child)->toolTip();
        }
    }
    return out;
}

}  // namespace

TEST_F(MainWindowTest, MenuTreeHasEveryEntryWithItsCaptionAndShortcut)
{
    start();
    QStringList actual;
    dump(window->menuBar()->actions(), 0, actual);
    const QStringList expected = normalised(kMenuTree);
    EXPECT_EQ(actual.join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString());

    QStringList context;
    dump(window->commands().menu(QStringLiteral("pmenu"))->actions(), 0, context);
    EXPECT_EQ(context, normalised(kContextMenu));
}

TEST_F(MainWindowTest, ToolbarsShowEveryButtonWithItsHint)
{
    start();
    EXPECT_EQ(barListing(window->commands().standardBar()),
              QStringList({"btnNew: New",
                           "btnOpen: Open",
                           "btnSave: Save",
                           "btnSaveAs: Save As",
                           "btnUndo: Undo",
                           "btnCut: Cut",
                           "btnCopy: Copy",
                           "btnPaste: Paste",
                           "btnFind: Find",
                           "btnReplace: Replace",
                           "btnLink: Anchor",
                           "btnImage: Image",
                           "btnMail: E-Mail Link",
                           "btnHR: Horizontal Line",
                           "btnStyle: Style Sheet",
                           "btnTextFile: Insert Text",
                           "btnUpdate: Update Stamp",
                           "btnBrowser: Update Browser",
                           "btnPrint: Print",
                           "ColorGrid: Hex Color Codes - Right Click for Custom Colors"}));
    EXPECT_EQ(barListing(window->commands().formatBar()), QStringList({"btnPara: Paragraph",
                                                                       "btnBold: Bold",
                                                                       "btnItalic: Italic",
                                                                       "btnCenter: Center",
                                                                       "btnUnderline: Underline",
                                                                       "btnComment \"!--\": Comment",
                                                                       "btnTypedText \"TT\": Typed Text",
                                                                       "btnPre \"PRE\": Pre-formatted Text",
                                                                       "btnBreak: Line Break",
                                                                       "btnTd \"TD\": Table Cell",
                                                                       "btnTr \"TR\": Table Row",
                                                                       "btnH1 \"H1\": Heading 1",
                                                                       "btnH2 \"H2\": Heading 2",
                                                                       "btnH3 \"H3\": Heading 3",
                                                                       "btnH4 \"H4\": Heading 4",
                                                                       "btnH5 \"H5\": Heading 5",
                                                                       "btnH6 \"H6\": Heading 6",
                                                                       "btnOl \"OL\": Ordered LIst",
                                                                       "btnUl \"UL\": Unordered List",
                                                                       "btnListItem \"LI\": List Item",
                                                                       "btnFont: Font",
                                                                       "btnFontUp \"+1\": Font Size=\"+1\"",
                                                                       "btnFontDown \"-1\": Font Size=\"-1\""}));
    // The custom buttons as loaded at start: the stored captions, their pairs as hints.
    QStringList custom;
    const settings::SettingsStore store;
    for (int n = 1; n <= 10; ++n) {
        const dialogs::CustomButton b = dialogs::readCustomButton(store, n);
        custom << QStringLiteral("btnCustom%1 \"%2\": %3 .. %4").arg(n).arg(b.caption, b.start, b.stop);
    }
    EXPECT_EQ(barListing(window->commands().customBar()), custom);
}

TEST_F(MainWindowTest, ButtonsNeverTakeTheFocus)
{
    start();
    for (QToolButton* b : window->findChildren<QToolButton*>())
        if (b->objectName().startsWith(QLatin1String("btn"))) {
            EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << b->objectName().toStdString();
        }
}

TEST_F(MainWindowTest, EntriesWithoutHandlerAreDisabledAndOwnOnesEnabled)
{
    start();
    for (const char* own : {"FileNew", "FileOpen", "FileSave", "FileSaveAs", "FileExit", "EditUndo", "EditWrap",
                            "ViewToolbar", "viewStatus", "ViewSide", "ViewFont", "HelpAbout", "pCut"})
        EXPECT_TRUE(window->commands().action(QString::fromLatin1(own))->isEnabled()) << own;
    for (const app::CommandEntry& e : app::commandTable()) {
        if (!*e.command || (e.flags & (app::kMenu | app::kSeparator))) continue;
        QAction* a = window->commands().action(QString::fromLatin1(e.name));
        // (Qt reports an entry not shown, such as an empty recent slot, as disabled.)
        if (a->isVisible() && std::string(e.parent ? e.parent : "") != "ClosingTags1") {
            EXPECT_EQ(a->isEnabled(), window->registry().has(QString::fromLatin1(e.command))) << e.name;
        }
    }
}

struct HiddenKey {
    const char* command;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

class HiddenShortcuts : public MainWindowTest, public testing::WithParamInterface<HiddenKey> {};

// Entries never shown keep working shortcuts; Shift+Alt also arrives as
// Shift+Meta when Shift went down first.
TEST_P(HiddenShortcuts, ReachTheirCommand)
{
    start();
    int runs = 0;
    window->registry().add(QString::fromLatin1(GetParam().command), [&runs] { ++runs; });
    window->commands().connectHandlers();
    activate();
    QTest::keyClick(&window->editor(), GetParam().key, GetParam().modifiers);
    EXPECT_EQ(runs, 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, HiddenShortcuts,
                         testing::Values(HiddenKey{"Underline2Click", Qt::Key_U, Qt::ShiftModifier | Qt::AltModifier},
                                         HiddenKey{"Underline2Click", Qt::Key_U, Qt::ShiftModifier | Qt::MetaModifier},
                                         HiddenKey{"Marquee1Click", Qt::Key_W, Qt::ShiftModifier | Qt::MetaModifier},
                                         HiddenKey{"close11Click", Qt::Key_1, Qt::ShiftModifier | Qt::AltModifier},
                                         HiddenKey{"Close101Click", Qt::Key_0, Qt::ShiftModifier | Qt::MetaModifier},
                                         HiddenKey{"h61Click", Qt::Key_6, Qt::ControlModifier | Qt::ShiftModifier},
                                         HiddenKey{"Bold1Click", Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier}),
                         [](const testing::TestParamInfo<HiddenKey>& row) {
                             return std::string(row.param.command) +
                                    (row.param.modifiers & Qt::MetaModifier ? "_Meta" : "_Alt") +
                                    std::to_string(row.index);
                         });

TEST_F(MainWindowTest, HiddenClipboardKeysCutAndPaste)
{
    start();
    activate();
    type(QStringLiteral("hello"));
    window->editor().setSelection(0, 5);
    QTest::keyClick(&window->editor(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("hello"));
    QTest::keyClick(&window->editor(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(text(), "hello");
}

TEST_F(MainWindowTest, AboutBoxNamesProgramVersionAndLicence)
{
    start();
    QString shown;
    ui.onModal([&shown](QDialog& d) {
        shown = d.findChild<QLabel*>(QStringLiteral("lblAbout"))->text();
        return int(QDialog::Accepted);
    });
    run("HelpAboutClick");
    EXPECT_TRUE(shown.contains(QLatin1String("Quillon Pro")));
    EXPECT_TRUE(shown.contains(QLatin1String("Version 3.")));
    EXPECT_TRUE(shown.contains(QLatin1String("General Public License")));
}
