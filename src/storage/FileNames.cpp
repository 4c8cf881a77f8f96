#include "storage/FileNames.h"

#include <dirent.h>

#include <QFile>

namespace storage {
namespace {

// Whether no entry of `folder` but the one of exactly `name`'s bytes is
// decoded as `name`.
bool onlyExactEntry(const QString& folder, const QString& name)
{
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) return false;
    const QByteArray exact = QFile::encodeName(name);
    bool alone = true;
    while (const dirent* entry = ::readdir(dir)) {
        if (exact != entry->d_name && QFile::decodeName(entry->d_name) == name) {
            alone = false;
            break;
        }
    }
    ::closedir(dir);
    return alone;
}

}  // namespace

bool namesItsFileExactly(const QString& path)
{
    constexpr QChar kReplacement = QChar::ReplacementCharacter;
    if (!path.contains(kReplacement)) return true;
    // Each part of the path is looked up in the folder before it, which is
    // exact by then.
    for (qsizetype from = 0; from < path.size();) {
        qsizetype slash = path.indexOf(u'/', from);
        if (slash < 0) slash = path.size();
        const QString part = path.mid(from, slash - from);
        if (part.contains(kReplacement)) {
            QString folder = from == 0 ? QStringLiteral(".") : path.left(from - 1);
            if (folder.isEmpty()) folder = QStringLiteral("/");
            if (!onlyExactEntry(folder, part)) return false;
        }
        from = slash + 1;
    }
    return true;
}

QString inexactNameNotice(const QString& path)
{
    return QStringLiteral(
               "Nothing was done with %1: its name is not valid UTF-8 (shown with \uFFFD), "
               "so it could reach another file. Rename it in a file manager.")
        .arg(path);
}

QStringList droppedFiles(const QList<QUrl>& urls)
{
    QStringList paths;
    for (const QUrl& url : urls)
        if (url.isLocalFile() && !url.toLocalFile().isEmpty()) paths << url.toLocalFile();
    return paths;
}

}  // namespace storage
