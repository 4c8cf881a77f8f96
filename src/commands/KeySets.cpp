// Deriving the Desktop key set from the command table: the desktop keys go to
// their commands, every other command keeps its key, and a command whose key
// a desktop command took moves to the first free of Ctrl+Alt and Alt+Shift
// with the same letter, so that old habits need one more finger, not a search.
#include "commands/KeySets.h"

#include <QSet>
#include <algorithm>

namespace commands {
namespace {

// clang-format off
constexpr DesktopKey kDesktopKeys[] = {
    // New also closes: one document per window, so Close is New after the
    // save question.
    {"FileNew",      "Ctrl+N, Ctrl+W"},
    {"FileOpen",     "Ctrl+O"},
    {"FileSave",     "Ctrl+S"},
    {"FileSaveAs",   "Ctrl+Shift+S"},
    {"FilePrint",    "Ctrl+P"},
    {"FileExit",     "Ctrl+Q"},
    {"EditUndo",     "Ctrl+Z"},
    {"EditSelect",   "Ctrl+A"},
    {"EditFind",     "Ctrl+F"},
    {"Replace1",     "Ctrl+H"},
    {"EditGoToLine", "Ctrl+G"},
};
// clang-format on

QKeySequence keyOf(const char* portableText)
{
    return QKeySequence::fromString(QString::fromLatin1(portableText), QKeySequence::PortableText);
}

QList<QKeySequence> keysOf(const char* portableTexts)
{
    QList<QKeySequence> keys;
    for (const QString& text : QString::fromLatin1(portableTexts).split(QStringLiteral(", "), Qt::SkipEmptyParts))
        keys << QKeySequence::fromString(text, QKeySequence::PortableText);
    return keys;
}

bool hasKeys(const CommandEntry& e)
{
    return *e.name && *e.shortcut && !(e.flags & (kMenu | kSeparator));
}

// The moved key of a displaced one: same letter, a free modifier pair.
QKeySequence movedKey(const QKeySequence& key, QSet<QKeySequence>& used)
{
    const Qt::Key letter = key[0].key();
    for (const Qt::KeyboardModifiers mods :
         {Qt::ControlModifier | Qt::AltModifier, Qt::AltModifier | Qt::ShiftModifier}) {
        const QKeySequence candidate(QKeyCombination(mods, letter));
        if (used.contains(candidate)) continue;
        used.insert(candidate);
        return candidate;
    }
    return {};
}

}  // namespace

std::span<const DesktopKey> desktopKeys()
{
    return kDesktopKeys;
}

KeyTable keyTable(std::span<const CommandEntry> table, KeySet set)
{
    KeyTable keys;
    if (set == KeySet::Classic) {
        for (const CommandEntry& e : table)
            if (hasKeys(e)) keys[QString::fromLatin1(e.name)] << keyOf(e.shortcut);
        return keys;
    }
    // Desktop keys of entries the table has, and whose they are.
    std::map<QKeySequence, QString> owner;
    for (const DesktopKey& d : kDesktopKeys) {
        const bool present = std::any_of(table.begin(), table.end(),
                                         [&d](const CommandEntry& e) { return qstrcmp(e.name, d.entry) == 0; });
        if (!present) continue;
        for (const QKeySequence& k : keysOf(d.keys)) {
            owner[k] = QString::fromLatin1(d.entry);
            keys[QString::fromLatin1(d.entry)] << k;
        }
    }
    const auto displaced = [&owner](const CommandEntry& e) {
        const auto it = owner.find(keyOf(e.shortcut));
        return it != owner.end() && it->second != QLatin1String(e.name);
    };
    QSet<QKeySequence> used;
    for (const auto& [k, name] : owner) used.insert(k);
    for (const CommandEntry& e : table)
        if (hasKeys(e) && !displaced(e)) used.insert(keyOf(e.shortcut));
    for (const CommandEntry& e : table) {
        if (!hasKeys(e)) continue;
        QList<QKeySequence>& own = keys[QString::fromLatin1(e.name)];
        const QKeySequence classic = keyOf(e.shortcut);
        if (own.contains(classic)) continue;
        const QKeySequence key = displaced(e) ? movedKey(classic, used) : classic;
        if (!key.isEmpty()) own << key;
    }
    return keys;
}

}  // namespace commands
