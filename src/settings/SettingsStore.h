// The INI-style settings store: sections and idents over one QSettings file,
// $XDG_CONFIG_HOME/Corvantis/Quillon.conf. Names are folded to lower case so
// that "Fonts" and "fonts" are one section; every value is stored as a string.
// Nothing is cached: each reader opens a store, reads and closes it. Reading
// never writes; a write merges into the file as it stands on disk, so several
// windows or processes lose nothing. Settings are named from the one table of
// SettingsTable.h; a file that cannot be written is reported once per run.
// A path that is not a plain file (a pipe, a folder, a device) is never
// opened: such a store starts from the defaults, keeps what is written in
// memory, and a write is reported with the reason.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <memory>

#include "SettingsTable.h"

class QFont;
class QSettings;

namespace settings {

class SettingsStore {
public:
    // Opens the current tree (Corvantis/Quillon), or `name` under Corvantis.
    explicit SettingsStore(const QString& name = QStringLiteral("Quillon"));
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Reading and writing a setting of the table; `def` replaces the table's
    // default where the default is computed at run time.
    QString read(const TextSetting& s) const { return ReadString(s.section, s.ident, s.def); }
    QString read(const TextSetting& s, const QString& def) const { return ReadString(s.section, s.ident, def); }
    int read(const NumberSetting& s) const { return ReadInteger(s.section, s.ident, s.def); }
    int read(const NumberSetting& s, int def) const { return ReadInteger(s.section, s.ident, def); }
    bool read(const FlagSetting& s) const { return ReadBool(s.section, s.ident, s.def); }
    void write(const TextSetting& s, const QString& text) { WriteString(s.section, s.ident, text); }
    void write(const NumberSetting& s, int n) { WriteInteger(s.section, s.ident, n); }
    void write(const FlagSetting& s, bool b) { WriteBool(s.section, s.ident, b); }

    // The store's operations by section and ident, under the table above.
    QString ReadString(const QString& section, const QString& ident, const QString& def) const;
    // Decimal, or hexadecimal after "0x"; `def` when missing or not a number.
    int ReadInteger(const QString& section, const QString& ident, int def) const;
    bool ReadBool(const QString& section, const QString& ident, bool def) const;
    bool hasValue(const QString& section, const QString& ident) const;

    void WriteString(const QString& section, const QString& ident, const QString& text);
    void WriteInteger(const QString& section, const QString& ident, int n);
    void WriteBool(const QString& section, const QString& ident, bool b);
    void EraseSection(const QString& section);

    // Writes what changed to disk (also done by the destructor). When the file
    // cannot be written, the author is told once per run (one message box with
    // the path and the system's reason) and the editor goes on.
    void close();

    // The file behind the store and the folder of all our trees.
    QString fileName() const;
    static QString folder();
    static QString pathOf(const QString& name);

private:
    void beforeWrite();
    QString path_;
    QString refusal_;  // why the file is not opened: not a plain file
    std::unique_ptr<QSettings> settings_;
    bool damaged_ = false;
};

// Whether the bytes of a settings file are what this program writes: valid
// UTF-8 without NUL, every line blank, a comment, a [section] or key=value, and
// a line break at the end. QSettings reads almost anything and drops what it
// cannot parse on its next write; a file that fails this check is copied to
// `<file>.damaged` before the first write.
bool looksLikeSettingsFile(QByteArrayView bytes);

// The editor's font as stored: face, size and style. With neither bold nor
// italic stored, the style of `base` is kept.
QFont storedEditorFont(const SettingsStore& store, const QFont& base);

// Parses a stored integer: decimal or "0x"-prefixed hexadecimal.
bool parseStoredInteger(const QString& text, int* value);

// Deletes the trees of earlier versions beside ours; a missing one is no error.
void eraseEarlierVersions();

}  // namespace settings
