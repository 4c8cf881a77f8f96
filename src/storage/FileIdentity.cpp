// The identity of a document's file, from lstat and stat.
#include "storage/FileIdentity.h"

#include <sys/stat.h>

#include <QFile>

namespace storage {
namespace {

void takeStatus(FileIdentity& id, const struct stat& st)
{
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.modifiedSeconds = st.st_mtim.tv_sec;
    id.modifiedNanoseconds = st.st_mtim.tv_nsec;
}

}  // namespace

FileIdentity identityOf(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    FileIdentity id;
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) return id;
    id.exists = true;
    id.link = S_ISLNK(st.st_mode);
    // A dangling link keeps no status of its own target.
    if (!id.link || ::stat(native.constData(), &st) == 0) takeStatus(id, st);
    return id;
}

FileIdentity identityOfOpenFile(int fd, bool link)
{
    FileIdentity id;
    struct stat st {};
    if (::fstat(fd, &st) != 0) return id;
    id.exists = true;
    id.link = link;
    takeStatus(id, st);
    return id;
}

bool changedOnDisk(const FileIdentity& known, const FileIdentity& now)
{
    return known.exists && now.exists && known != now;
}

}  // namespace storage
