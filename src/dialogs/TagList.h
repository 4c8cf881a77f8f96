// The custom tag list: the entries of `taglist.htx` (one per line, an empty
// line included, inserted as written), their insertion into the editor, and
// the file itself, read whatever its line breaks and encoding and written
// through the safe save. No widgets here.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "markup/TextEditor.h"
#include "storage/DocumentFile.h"

namespace dialogs {

// The twenty entries a new list file starts with.
QStringList defaultTagList();

// The entries of a text: one per line, whatever the line breaks (CR LF, LF or
// CR); a line break at the very end ends the last entry rather than starting
// an empty one. joinTagList writes each entry followed by CR LF, so the two
// are exact inverses.
QStringList splitTagList(QStringView text);
std::string joinTagList(const QStringList& entries);
// The entries as an editing field shows them, lines joined by LF; splitTagList
// gives them back exactly (an empty last entry included).
QString tagListEditorText(const QStringList& entries);

// Inserts a tag list entry into the editor. An entry is split after its first
// ">": the part up to it goes before the selection and the rest after it, and
// the caret ends just before that rest (between the two tags when nothing was
// selected). An entry without ">" simply replaces the selection. Returns
// whether the caller recolours the lines near the caret (not for an entry
// without ">").
bool insertTagListEntry(markup::TextEditor& editor, std::string_view entry);

// The list file as read.
struct TagListRead {
    enum class Status { Read, Missing, Failed };
    Status status = Status::Missing;
    QStringList entries;
    storage::DocumentFormat format;  // how to write it back
    QString message;                 // for Failed: the error box text
};
TagListRead readTagList(const QString& path);
// Replaces the file with `entries` in `format` (UTF-8 when the file's own
// encoding cannot hold them). On failure returns the error box text.
QString writeTagList(const QString& path, const QStringList& entries, const storage::DocumentFormat& format);

// The entries the list window shows: the file's; a missing file is created
// with the defaults. When the file cannot be read or created, `fallback` (for
// an unreadable file) or the defaults (a missing one) are shown and *message
// holds the error box text.
QStringList loadTagList(const QString& path, const QStringList& fallback, QString* message);

// The line count label of the list editor: "20 Lines".
QString lineCountText(int lines);

}  // namespace dialogs
