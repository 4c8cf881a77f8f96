// The one table of the main window's commands: every menu entry (main menu,
// the invisible "Hidden" menu, the context menus of the editor and of the side
// panel's lists) and every toolbar button, with its caption, shortcut, handler
// name, button and hint.
// Menus, shortcuts and toolbars are all built from it (CommandUi).
#pragma once

#include <span>

namespace commands {

enum EntryFlag : unsigned {
    kPlain = 0,
    kMenu = 1u << 0,       // a menu or submenu; entries naming it as parent belong to it
    kSeparator = 1u << 1,  // a separator line (named when the code refers to it)
    kCheckable = 1u << 2,  // shows a check mark, asked of CommandRegistry::checked
    kInvisible = 1u << 3,  // never shown; exists for its shortcut
};

struct CommandEntry {
    // Name of the containing menu ("mnu" for the menu bar, "pmenu" for the
    // editor's context menu, "" for a context menu itself); nullptr for a
    // toolbar button with no menu entry.
    const char* parent;
    // The entry's name; also the objectName of its QAction (of its QMenu for a menu).
    const char* name;
    // Exact caption; "&" marks the access key.
    const char* caption = "";
    // Name of the handler in the CommandRegistry; for a menu, the handler run
    // when it opens ("Tools1Click"); "" for none.
    const char* command = "";
    // Portable key text ("Ctrl+Shift+B"); "" for none.
    const char* shortcut = "";
    unsigned flags = kPlain;
    // Toolbar button showing this command: its name, hint (tool tip), the text
    // it shows instead of a picture (nullptr: a picture) and the picture's name
    // in the desktop icon theme (our own picture is :/icons/<button>.svg).
    const char* button = nullptr;
    const char* hint = nullptr;
    const char* buttonText = nullptr;
    const char* themeIcon = nullptr;
};

// All entries, menus in menu order.
std::span<const CommandEntry> commandTable();
// The entry of a given name, or of a given button name; nullptr when none.
const CommandEntry* findEntry(const char* name);
const CommandEntry* findButton(const char* button);

// Toolbars: button names from left to right. "ColorGrid" is the colour grid
// widget, not a button of the table.
inline constexpr const char* kColorGridName = "ColorGrid";
inline constexpr const char* kColorGridHint = "Hex Color Codes - Right Click for Custom Colors";
std::span<const char* const> standardBarButtons();
std::span<const char* const> formatBarButtons();
std::span<const char* const> customBarButtons();

}  // namespace commands
