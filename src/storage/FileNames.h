// File names as Qt holds them. Qt 6 decodes a name's bytes as UTF-8 and turns
// bytes that are not UTF-8 into U+FFFD; encoded back, such a name gives other
// bytes, which may name another file ("caf\xe9.html" comes back as
// "caf\xef\xbf\xbd.html"). Every name that comes in from outside (the command
// line, the batch mode, the side panel's lists, drops, reading and saving
// documents) is checked here before it is used.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace storage {

// Whether `path` reaches the file it was read from and no other: false when a
// part of it holding U+FFFD stands, in its folder, for an entry of other
// bytes (a name that is not UTF-8, or one of two names that Qt shows alike),
// or when that folder cannot be read to tell. A path without U+FFFD is always
// exact; one naming nothing yet (a new file) is exact too.
bool namesItsFileExactly(const QString& path);

// What the author is told when a name is refused for that.
QString inexactNameNotice(const QString& path);

// The local files among dropped URLs, in their order.
QStringList droppedFiles(const QList<QUrl>& urls);

// The text after the last "/" of a path, or the whole text without one: the
// file's name as captions, menus and questions show it.
inline QString FileNamePart(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

}  // namespace storage
