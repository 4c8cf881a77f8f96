#include "TNCAPI.h"

#include <QFileInfo>
#include <QProcess>

#include "UserTools.h"

namespace files {

QString TNCAPI::Activate()
{
    return launch({});
}

QString TNCAPI::OpenURL(const QString& path)
{
    // Absolute, so that it can never be read as one of the program's options.
    return launch({QFileInfo(path).absoluteFilePath()});
}

bool TNCAPI::needsDocument() const
{
    static const QStringList openers = {
        QStringLiteral("xdg-open"), QStringLiteral("gio"),       QStringLiteral("gnome-open"),
        QStringLiteral("kde-open"), QStringLiteral("kde-open5"), QStringLiteral("kde-open6"),
        QStringLiteral("exo-open"), QStringLiteral("mimeopen"),
    };
    const QStringList words = commandLineWords(commandLine_);
    return !words.isEmpty() && openers.contains(QFileInfo(words.first()).fileName());
}

QString TNCAPI::launch(const QStringList& document)
{
    // The setting is split as the user tools' command lines are, but the
    // document is always one argument of its own.
    QStringList words = commandLineWords(commandLine_);
    if (words.isEmpty() || words.first().isEmpty()) return {};
    QProcess process;
    process.setProgram(words.takeFirst());
    process.setArguments(words + document);
    qint64 pid = 0;
    if (!process.startDetached(&pid)) return {};
    return QString::number(pid);
}

}  // namespace files
