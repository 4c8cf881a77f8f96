#include "FileOperations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstdio>

namespace files {
namespace {

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

bool exists(const QByteArray& path)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 || errno != ENOENT;
}

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString inFolder(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

}  // namespace

bool isPlainName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") && !name.contains(u'/') &&
           !name.contains(QChar(0));
}

bool createFolder(const QString& folder, const QString& name)
{
    if (!isPlainName(name) || folder.isEmpty()) return false;
    // mkdir never replaces: anything of that name, a dangling link included, refuses it.
    return ::mkdir(native(inFolder(folder, name)).constData(), 0777) == 0;
}

bool renameFile(const QString& path, const QString& newName)
{
    if (!isPlainName(newName) || path.isEmpty()) return false;
    const QByteArray from = native(path);
    const QByteArray to = native(inFolder(folderOf(path), newName));
    struct stat st;
    if (::lstat(from.constData(), &st) != 0) return false;
    // A plain rename() would replace a file of the new name without a word.
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system that cannot refuse by itself: look first.
    if (exists(to)) return false;
    return ::rename(from.constData(), to.constData()) == 0;
}

bool deleteFile(const QString& path)
{
    if (path.isEmpty()) return false;
    const QByteArray name = native(path);
    struct stat st;
    // lstat, not stat: a symbolic link is deleted itself (unlink never
    // follows it), and its target is never touched.
    if (::lstat(name.constData(), &st) != 0 || !(S_ISREG(st.st_mode) || S_ISLNK(st.st_mode))) return false;
    return ::unlink(name.constData()) == 0;
}

}  // namespace files
