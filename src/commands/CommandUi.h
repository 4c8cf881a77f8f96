// Builds the menus, shortcuts and toolbars of the main window from the command
// table and routes every entry to the handler of its name in the
// CommandRegistry. An entry whose handler nobody registered stays disabled.
#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <span>
#include <vector>

class QAbstractButton;
class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;

namespace dialogs {
class ColorGrid;
}

namespace commands {

class CommandRegistry;
struct CommandEntry;
enum class KeySet;

// The key sequences of a shortcut text. On X11 Alt pressed while Shift is
// already held arrives as Meta, so every Shift+Alt shortcut also gets its
// Shift+Meta twin: the command then runs whichever key went down first.
QList<QKeySequence> shortcutsFor(const char* portableText);
QList<QKeySequence> shortcutsFor(const QList<QKeySequence>& keys);

class CommandUi : public QObject {
    Q_OBJECT
public:
    CommandUi(QMainWindow& window, CommandRegistry& registry);

    // Menus into the window's menu bar, the context menu, the three toolbars.
    void build();
    // After every handler has been registered: enables the entries that have one.
    void connectHandlers();

    // Runs a command by name as a menu entry would, then refreshes check marks.
    void run(const QString& command);
    // Asks the registry for the state of every check mark.
    void refreshChecks();
    // Gives every entry its keys of `set` (Classic after build()); the menus
    // show them.
    void setKeySet(KeySet set);

    // What build() made, by the names of the command table: an entry's
    // action (a menu entry, a named separator, a submenu's entry in its
    // parent), a menu, a toolbar button.
    // Never nullptr: a name the table lacks is a fault of the caller (a
    // misspelt or renamed entry), which stops the program with the name.
    QAction* action(const QString& entryName) const;
    QMenu* menu(const QString& menuName) const;
    QToolButton* button(const QString& buttonName) const;
    QToolBar* standardBar() const { return standardBar_; }
    QToolBar* formatBar() const { return formatBar_; }
    QToolBar* customBar() const { return customBar_; }
    dialogs::ColorGrid* colorGrid() const;

    // Whether `key` already runs something in the window: a shortcut, a menu
    // of the menu bar or the accelerator of a button other than `except`.
    bool keyTaken(const QKeySequence& key, const QAbstractButton* except) const;

private:
    struct Binding {
        QAction* action;
        QString command;
        bool live;  // false for menu copies of invisible entries (their shortcut lives elsewhere)
    };
    QMenu* menuFor(const CommandEntry& entry);
    void addEntry(const CommandEntry& entry, bool underHiddenMenu);
    QToolBar* makeBar(const char* name, std::span<const char* const> buttons);

    QMainWindow& window_;
    CommandRegistry& registry_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QAction*> keyTwins_;  // the working twins of entries never shown
    QHash<QString, QMenu*> menus_;
    QHash<QString, QToolButton*> buttons_;
    std::vector<Binding> bindings_;
    QToolBar* standardBar_ = nullptr;
    QToolBar* formatBar_ = nullptr;
    QToolBar* customBar_ = nullptr;
    dialogs::ColorGrid* colorGrid_ = nullptr;
};

}  // namespace commands
