// The two key sets of the main window, both derived from the command table:
// Classic (the table's own shortcuts) and Desktop (the keys every desktop
// program shares, with the tag commands they displace moved to Ctrl+Alt or
// Alt+Shift and the same letter).
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <map>
#include <span>

#include "commands/CommandTable.h"

namespace commands {

enum class KeySet { Classic = 0, Desktop = 1 };

// The keys of a key set by entry name, for every entry that has one; the first
// key is the one its menu shows. Menus and separators have none.
using KeyTable = std::map<QString, QList<QKeySequence>>;
KeyTable keyTable(std::span<const CommandEntry> table, KeySet set);

// The Desktop set's own keys: entry name and keys in portable text.
struct DesktopKey {
    const char* entry;
    const char* keys;  // one or more, ", " between them
};
std::span<const DesktopKey> desktopKeys();

}  // namespace commands
