// What a save keeps of the file it replaces besides its mode: the new file
// takes the old one's owner and every extended attribute (user attributes,
// ACLs, security labels); a file the new one cannot stand in for (it has
// other names, or an owner or attribute the new file cannot take) is written
// in place instead, after a copy of its old bytes is made and synced beside
// it. Used by writeFileSafely (DocumentFile.cpp).
#pragma once

#include <sys/stat.h>

#include <QByteArray>
#include <QString>
#include <string_view>

namespace storage {

struct SaveOutcome;

// Gives the new file `fd` the owner, group and extended attributes of the
// old file `old` (whose status is `st`); false when one of them cannot be
// given, and the old file is then to be written in place.
bool takeOwnerAndAttributes(int fd, const QByteArray& old, const struct stat& st);

// Writes `bytes` over the file `file` (status `st`, in `folder`) in place: a
// copy of its old bytes is written, synced and named "NAME.quillon-old-XXXXXX"
// beside it first, the new bytes are written and synced, then the copy goes.
// On failure the old bytes are written back from the copy (which then goes
// too); when even that fails, the reason names the copy, which stays.
bool writeInPlace(const QByteArray& file, const QByteArray& folder, const struct stat& st, std::string_view bytes,
                  bool link, QString* error, SaveOutcome* outcome);

// The reason of a save that cannot make a file in its folder: it names the
// folder, and tells that the save needs a new file there.
QString folderFailure(const QByteArray& folder, int errnum);
// Whether a file could not be made in a folder for want of the right to.
bool isFolderRefusal(int errnum);

}  // namespace storage
