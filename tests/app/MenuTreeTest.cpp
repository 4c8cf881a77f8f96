// The menus, the context menu and the toolbars as built from the command table:
// every entry in its place with its caption, shortcut, check mark and
// visibility; every button with its hint. (Entries are enabled by their
// registered handlers: CommandContractTest, and MainWindowKeysTest, whose
// shortcuts would not fire on a disabled entry.)
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <cstring>

#include "MainWindowFixture.h"
#include "commands/CommandTable.h"
#include "dialogs/CustomButtons.h"

namespace {

// One line per entry: two blanks of indent per level, the caption, " =" and the
// shortcut, " [check]", " [hidden]" when never shown; "---" for a separator.
// The recent files are left out (RecentFilesTest).
QString entryLine(int depth, const QString& caption, const QKeySequence& key, bool check, bool hidden)
{
    QString line = QString(depth * 2, QLatin1Char(' ')) + caption;
    if (!key.isEmpty()) line += QStringLiteral(" =") + key.toString(QKeySequence::PortableText);
    if (check) line += QStringLiteral(" [check]");
    return hidden ? line + QStringLiteral(" [hidden]") : line;
}

void shown(const QList<QAction*>& actions, int depth, QStringList& out)
{
    for (QAction* a : actions) {
        if (a->objectName().startsWith(QLatin1String("mru"))) continue;
        out << entryLine(depth, a->isSeparator() ? QStringLiteral("---") : a->text(), a->shortcut(), a->isCheckable(),
                         !a->isVisible());
        if (a->menu()) shown(a->menu()->actions(), depth + 1, out);
    }
}

void fromTable(const char* menu, int depth, QStringList& out)
{
    for (const app::CommandEntry& e : app::commandTable()) {
        if (!e.parent || std::strcmp(e.parent, menu) != 0 || std::strncmp(e.name, "mru", 3) == 0) continue;
        const QString caption = QString::fromLatin1(e.flags & app::kSeparator ? "---" : e.caption);
        out << entryLine(depth, caption, QKeySequence::fromString(QString::fromLatin1(e.shortcut)),
                         e.flags & app::kCheckable, e.flags & app::kInvisible);
        if (e.flags & app::kMenu) fromTable(e.name, depth + 1, out);
    }
}

// name "text": hint, for a button showing text instead of a picture.
QString buttonLine(const QString& name, const char* text, const QString& hint)
{
    return text ? QStringLiteral("%1 \"%2\": %3").arg(name, QString::fromLatin1(text), hint) : name + ": " + hint;
}

}  // namespace

TEST_F(MainWindowTest, MenusAndContextMenuFollowTheTable)
{
    start();
    QStringList actual, expected;
    shown(window->menuBar()->actions(), 0, actual);
    fromTable("mnu", 0, expected);
    EXPECT_EQ(actual.join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString());
    EXPECT_GT(actual.size(), 150);
    actual.clear();
    expected.clear();
    shown(window->commands().menu(QStringLiteral("pmenu"))->actions(), 0, actual);
    fromTable("pmenu", 0, expected);
    EXPECT_EQ(actual, expected);
    // An entry that opens a dialog ends in a whole ellipsis.
    for (const QAction* a : window->findChildren<QAction*>()) {
        if (!a->menu() && a->text().endsWith(u'.')) {
            EXPECT_TRUE(a->text().endsWith("...")) << a->text().toStdString();
        }
    }
    // The toolbars show their buttons in order with their hints and never take the focus.
    const std::pair<QToolBar*, std::span<const char* const>> bars[] = {
        {window->commands().standardBar(), app::standardBarButtons()},
        {window->commands().formatBar(), app::formatBarButtons()},
        {window->commands().customBar(), app::customBarButtons()}};
    for (const auto& [bar, names] : bars) {
        actual.clear();
        expected.clear();
        for (QAction* a : bar->actions()) {
            QWidget* w = bar->widgetForAction(a);
            if (auto* b = qobject_cast<QToolButton*>(w)) {
                const bool text = b->toolButtonStyle() == Qt::ToolButtonTextOnly;
                actual << buttonLine(b->objectName(), text ? qPrintable(b->text()) : nullptr, b->toolTip());
                EXPECT_TRUE(text || !b->icon().isNull()) << "no picture: " << b->objectName().toStdString();
                EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << b->objectName().toStdString();
            } else if (w && w->objectName() == QLatin1String(app::kColorGridName)) {
                actual << buttonLine(w->objectName(), nullptr, w->toolTip());
            }
        }
        int custom = 0;
        for (const char* name : names) {
            const app::CommandEntry* e = app::findButton(name);
            QString hint = QString::fromLatin1(e ? e->hint : app::kColorGridHint);
            QByteArray text = e && e->buttonText ? QByteArray(e->buttonText) : QByteArray();
            if (bar == window->commands().customBar()) {
                // As loaded at start: the stored caption and the hint of the stored pair.
                const dialogs::CustomButton b = dialogs::readCustomButton(settings::SettingsStore(), ++custom);
                text = b.caption.toUtf8();
                hint = dialogs::customHint(custom, b, hint);
            }
            expected << buttonLine(QString::fromLatin1(name), text.isNull() ? nullptr : text.constData(), hint);
        }
        EXPECT_EQ(actual, expected);
    }
}
