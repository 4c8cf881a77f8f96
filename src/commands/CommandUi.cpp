#include "commands/CommandUi.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <cstring>

#include "commands/ButtonIcons.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandTable.h"
#include "commands/KeySets.h"
#include "dialogs/ColorGrid.h"

namespace commands {
namespace {

QString latin(const char* s)
{
    return QString::fromLatin1(s ? s : "");
}

// A part asked for by a name the command table does not have.
template <typename Part>
Part* checked(Part* part, const char* kind, const QString& name)
{
    if (!part) qFatal("The command table has no %s named \"%s\"", kind, qPrintable(name));
    return part;
}

}  // namespace

QList<QKeySequence> shortcutsFor(const char* portableText)
{
    if (!portableText || !*portableText) return {};
    return shortcutsFor({QKeySequence::fromString(latin(portableText), QKeySequence::PortableText)});
}

QList<QKeySequence> shortcutsFor(const QList<QKeySequence>& keys)
{
    QList<QKeySequence> all = keys;
    for (const QKeySequence& key : keys) {
        const QKeyCombination combo = key[0];
        const Qt::KeyboardModifiers mods = combo.keyboardModifiers();
        if ((mods & Qt::ShiftModifier) && (mods & Qt::AltModifier))
            all << QKeySequence(QKeyCombination((mods & ~Qt::AltModifier) | Qt::MetaModifier, combo.key()));
    }
    return all;
}

CommandUi::CommandUi(QMainWindow& window, CommandRegistry& registry)
    : QObject(&window), window_(window), registry_(registry)
{
}

QMenu* CommandUi::menuFor(const CommandEntry& entry)
{
    return entry.parent && *entry.parent ? menus_.value(latin(entry.parent)) : nullptr;
}

void CommandUi::build()
{
    QMenuBar* bar = window_.menuBar();
    for (const CommandEntry& e : commandTable()) {
        const QString name = latin(e.name);
        if (e.flags & kMenu) {
            auto* m = new QMenu(latin(e.caption), &window_);
            m->setObjectName(name);
            m->setToolTipsVisible(false);
            menus_.insert(name, m);
            if (std::strcmp(e.parent, "mnu") == 0)
                bar->addMenu(m);
            else if (QMenu* parent = menuFor(e))
                parent->addMenu(m);
            m->menuAction()->setObjectName(name);
            if (e.flags & kInvisible) m->menuAction()->setVisible(false);
            const QString command = latin(e.command);
            connect(m, &QMenu::aboutToShow, this, [this, command] {
                if (!command.isEmpty()) registry_.run(command);
                refreshChecks();
            });
            continue;
        }
        if (e.flags & kSeparator) {
            if (QMenu* m = menuFor(e)) {
                QAction* s = m->addSeparator();
                if (*e.name) {
                    s->setObjectName(name);
                    actions_.insert(name, s);
                }
            }
            continue;
        }
        const CommandEntry* parentEntry = e.parent && *e.parent ? findEntry(e.parent) : nullptr;
        addEntry(e, parentEntry && (parentEntry->flags & kInvisible));
    }

    standardBar_ = makeBar("pnlTools", standardBarButtons());
    formatBar_ = makeBar("pnlFormat", formatBarButtons());
    customBar_ = makeBar("pnlCustom", customBarButtons());
}

void CommandUi::addEntry(const CommandEntry& e, bool underHiddenMenu)
{
    const QString name = latin(e.name);
    const QString command = latin(e.command);
    auto* a = new QAction(latin(e.caption), &window_);
    a->setObjectName(name);
    a->setShortcuts(shortcutsFor(e.shortcut));
    a->setCheckable((e.flags & kCheckable) != 0);
    if (e.hint) a->setToolTip(latin(e.hint));
    if (e.button) {
        if (e.buttonText)
            a->setIconText(latin(e.buttonText));
        else
            a->setIcon(buttonIcon(e));
    }
    if (QMenu* m = menuFor(e)) m->addAction(a);
    actions_.insert(name, a);
    connect(a, &QAction::triggered, this, [this, command] { run(command); });

    if (!(e.flags & kInvisible) && !underHiddenMenu) {
        bindings_.push_back({a, command, true});
        return;
    }
    // Qt switches off the shortcut of an action that is not visible, or whose
    // only home is a menu never shown. The menu keeps its entry (with the
    // shortcut it documents, switched off) and a twin attached to the main
    // window carries the working shortcut.
    if (e.flags & kInvisible) a->setVisible(false);
    bindings_.push_back({a, command, false});
    auto* key = new QAction(latin(e.caption), &window_);
    key->setObjectName(name + QStringLiteral("_key"));
    key->setShortcuts(shortcutsFor(e.shortcut));
    connect(key, &QAction::triggered, this, [this, command] { run(command); });
    window_.addAction(key);
    keyTwins_.insert(name, key);
    bindings_.push_back({key, command, true});
}

QToolBar* CommandUi::makeBar(const char* name, std::span<const char* const> buttons)
{
    auto* bar = new QToolBar(&window_);
    bar->setObjectName(latin(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const char* buttonName : buttons) {
        if (std::strcmp(buttonName, kColorGridName) == 0) {
            // Clicks only, never the focus: the keyboard stays in the editor.
            auto* grid = new dialogs::ColorGrid(dialogs::ColorGrid::kCellCount, bar);
            grid->setSelecting(false);
            grid->setFocusPolicy(Qt::NoFocus);
            grid->setFixedSize(dialogs::ColorGrid::kCellCount * 11 + 1, 20);
            grid->setObjectName(latin(kColorGridName));
            grid->setToolTip(latin(kColorGridHint));
            colorGrid_ = grid;
            bar->addWidget(colorGrid_);
            continue;
        }
        const CommandEntry* e = findButton(buttonName);
        if (!e) continue;
        QAction* a = actions_.value(latin(e->name));
        auto* b = new QToolButton(bar);
        b->setObjectName(latin(buttonName));
        buttons_.insert(latin(buttonName), b);
        b->setDefaultAction(a);
        b->setAutoRaise(true);
        // A click on a button must leave the keyboard in the editor.
        b->setFocusPolicy(Qt::NoFocus);
        b->setToolTip(latin(e->hint));
        if (e->buttonText) {
            b->setToolButtonStyle(Qt::ToolButtonTextOnly);
            if (std::strncmp(buttonName, "btnCustom", 9) == 0) {
                // Ten side by side in a window 639 pixels wide: a size smaller
                // type, so that "Custom #10" fits; a longer caption widens its
                // button rather than being cut.
                QFont small = b->font();
                small.setPointSizeF(small.pointSizeF() * 0.85);
                b->setFont(small);
                b->setMinimumSize(62, 20);
                b->setMaximumHeight(20);
            } else {
                b->setMinimumSize(22, 22);
            }
        } else {
            b->setToolButtonStyle(Qt::ToolButtonIconOnly);
            b->setFixedSize(22, 22);
        }
        bar->addWidget(b);
    }
    return bar;
}

QAction* CommandUi::action(const QString& entryName) const
{
    QAction* entry = actions_.value(entryName);
    if (QMenu* submenu = entry ? nullptr : menus_.value(entryName)) entry = submenu->menuAction();
    return checked(entry, "entry", entryName);
}

QMenu* CommandUi::menu(const QString& menuName) const
{
    return checked(menus_.value(menuName), "menu", menuName);
}

QToolButton* CommandUi::button(const QString& buttonName) const
{
    return checked(buttons_.value(buttonName), "button", buttonName);
}

dialogs::ColorGrid* CommandUi::colorGrid() const
{
    return checked(colorGrid_, "button", latin(kColorGridName));
}

bool CommandUi::keyTaken(const QKeySequence& key, const QAbstractButton* except) const
{
    for (const QAction* a : window_.findChildren<QAction*>())
        if (a->shortcuts().contains(key)) return true;
    for (const QAction* m : window_.menuBar()->actions())
        if (QKeySequence::mnemonic(m->text()) == key) return true;
    for (const QAbstractButton* b : window_.findChildren<QAbstractButton*>())
        if (b != except && b->shortcut() == key) return true;
    return false;
}

void CommandUi::setKeySet(KeySet set)
{
    const KeyTable keys = keyTable(commandTable(), set);
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
        if (it.value()->isSeparator()) continue;
        const auto found = keys.find(it.key());
        const QList<QKeySequence> shortcuts = found == keys.end() ? QList<QKeySequence>() : shortcutsFor(found->second);
        it.value()->setShortcuts(shortcuts);
        if (QAction* twin = keyTwins_.value(it.key())) twin->setShortcuts(shortcuts);
    }
}

void CommandUi::connectHandlers()
{
    for (const Binding& b : bindings_) b.action->setEnabled(b.live && registry_.has(b.command));
    refreshChecks();
}

void CommandUi::run(const QString& command)
{
    registry_.run(command);
    refreshChecks();
}

void CommandUi::refreshChecks()
{
    for (const Binding& b : bindings_) {
        if (!b.action->isCheckable()) continue;
        if (const std::optional<bool> state = registry_.checked(b.command)) b.action->setChecked(*state);
    }
}

}  // namespace commands
