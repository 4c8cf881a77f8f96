// The INI-style settings store: sections and idents over one QSettings file,
// $XDG_CONFIG_HOME/Corvantis/Quillon.conf. Names are folded to lower case so
// that "Fonts" and "fonts" are one section; every value is stored as a string.
// Nothing is cached: each reader opens a store, reads with its own defaults and
// closes it. Reading never writes; a write merges into the file as it stands
// on disk, so several windows or processes lose nothing.
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace settings {

class SettingsStore {
public:
    // Opens the current tree (Corvantis/Quillon), or `name` under Corvantis.
    explicit SettingsStore(const QString& name = QStringLiteral("Quillon"));
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString ReadString(const QString& section, const QString& ident, const QString& def) const;
    // Decimal, or hexadecimal after "0x"; `def` when missing or not a number.
    int ReadInteger(const QString& section, const QString& ident, int def) const;
    bool ReadBool(const QString& section, const QString& ident, bool def) const;
    bool HasValue(const QString& section, const QString& ident) const;

    void WriteString(const QString& section, const QString& ident, const QString& text);
    void WriteInteger(const QString& section, const QString& ident, int n);
    void WriteBool(const QString& section, const QString& ident, bool b);
    void EraseSection(const QString& section);

    // Writes what changed to disk (also done by the destructor).
    void close();

    // The file behind the store and the folder of all our trees.
    QString fileName() const;
    static QString folder();
    static QString pathOf(const QString& name);

private:
    void beforeWrite();
    std::unique_ptr<QSettings> settings_;
    bool damaged_ = false;
};

// Parses a stored integer: decimal or "0x"-prefixed hexadecimal.
bool parseStoredInteger(const QString& text, int* value);

// Deletes the trees of earlier versions beside ours; a missing one is no error.
void EraseEarlierVersions();

}  // namespace settings
