#include "UserTools.h"

#include <QAction>
#include <QFileInfo>
#include <QProcess>

#include "interaction/Interaction.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "storage/FileNames.h"

namespace files {

const std::array<UserTool, 3>& userTools()
{
    static const std::array<UserTool, 3> tools = {{
        {"ToolsDefTool1", settings::user::kTool1Path, settings::user::kTool1Name},
        {"ToolsDefTool2", settings::user::kTool2Path, settings::user::kTool2Name},
        {"ToolsDefTool3", settings::user::kTool3Path, settings::user::kTool3Name},
    }};
    return tools;
}

QString toolName(const QString& commandLine, const QString& name)
{
    if (commandLine.isEmpty()) return {};
    if (!name.isEmpty()) return name;
    // The file name of the program, without the arguments after it.
    const QStringList words = commandLineWords(commandLine);
    return storage::FileNamePart(words.isEmpty() ? commandLine : words.first());
}

QString toolCaption(int number, const QString& commandLine, const QString& name)
{
    QString caption = toolName(commandLine, name);
    if (!caption.isEmpty() && !caption.contains(u'&')) caption = QStringLiteral("&%1 ").arg(number) + caption;
    return caption;
}

void showToolEntries(const std::function<QAction*(int number, const UserTool& tool)>& entryOf, ToolCaption captionOf)
{
    const settings::SettingsStore store;
    int number = 1;
    for (const UserTool& tool : userTools()) {
        QAction* entry = entryOf(number, tool);
        const QString caption = captionOf(number++, store.read(tool.path), store.read(tool.name));
        entry->setEnabled(!caption.isEmpty());
        if (!caption.isEmpty()) entry->setText(caption);
    }
}

QString toolCommandLine(const UserTool& tool, const ToolWarnings& warnings)
{
    QString commandLine;
    {
        const settings::SettingsStore store;
        commandLine = store.read(tool.path);
    }
    if (commandLine.isEmpty()) interaction::ui().warn(warnings.notSet);
    return commandLine;
}

void launchTool(const QString& commandLine, const QStringList& extraArguments, const ToolWarnings& warnings)
{
    if (!startCommandLine(commandLine, extraArguments)) interaction::ui().warn(warnings.failed);
}

namespace {

// Words as a shell splits them, without expanding anything: blanks separate
// words; '...' keeps everything; "..." keeps everything but a backslash before
// " \\ $ or `; a backslash elsewhere keeps the character after it.
QStringList shellWords(QStringView text)
{
    QStringList words;
    QString word;
    bool inWord = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u' ' || c == u'\t' || c == u'\n') {
            if (inWord) words << word;
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == u'\'') {
            const qsizetype end = text.indexOf(u'\'', i + 1);
            word += text.mid(i + 1, (end < 0 ? text.size() : end) - i - 1);
            i = end < 0 ? text.size() : end;
        } else if (c == u'"') {
            for (++i; i < text.size() && text[i] != u'"'; ++i) {
                if (text[i] == u'\\' && i + 1 < text.size() && QStringView(u"\"\\$`").contains(text[i + 1])) ++i;
                word += text[i];
            }
        } else if (c == u'\\' && i + 1 < text.size()) {
            word += text[++i];
        } else {
            word += c;
        }
    }
    if (inWord) words << word;
    return words;
}

bool isProgramFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

}  // namespace

QStringList commandLineWords(const QString& commandLine, const QStringList& extraArguments)
{
    // A program path with blanks stored without quotes (as a file dialog
    // gives it) is found as it stands: the longest start of the line, ending
    // at a blank, that names a program file.
    const QString trimmed = commandLine.trimmed();
    if (!isProgramFile(shellWords(trimmed).value(0))) {
        for (qsizetype blank = trimmed.lastIndexOf(u' '); blank > 0; blank = trimmed.lastIndexOf(u' ', blank - 1)) {
            if (isProgramFile(trimmed.left(blank)))
                return QStringList{trimmed.left(blank)} + shellWords(QStringView(trimmed).mid(blank + 1)) +
                       extraArguments;
        }
        if (isProgramFile(trimmed)) return QStringList{trimmed} + extraArguments;
    }
    return shellWords(trimmed) + extraArguments;
}

bool startCommandLine(const QString& commandLine, const QStringList& extraArguments)
{
    QStringList words = commandLineWords(commandLine, extraArguments);
    if (words.isEmpty() || words.first().isEmpty()) return false;
    const QString program = words.takeFirst();
    return QProcess::startDetached(program, words);
}

QString helpFilePath(const QString& programFolder)
{
    const QString installed = settings::installedDataFolderOf(programFolder);
    return (installed.isEmpty() ? programFolder : installed) + QStringLiteral("quillon.html");
}

void showHelp(QObject* context, const std::function<void(const QString&)>& failed)
{
    const QString manual = QFileInfo(helpFilePath(settings::ProgramFolder())).absoluteFilePath();
    if (!QFileInfo(manual).isFile()) {
        failed(QStringLiteral("The manual could not be found at %1.").arg(manual));
        return;
    }
    const QString viewerName = QString::fromLatin1(kHelpViewer);
    const auto cannotShow = [failed, manual](const QString& why) {
        failed(QStringLiteral("The manual could not be shown: %1.\nOpen %2 in a web browser.").arg(why, manual));
    };
    // The viewer's exit code is what tells whether a browser came up, so it is
    // watched rather than started detached. Without a parent, a viewer that
    // waits for its browser outlives the editor; its output goes nowhere, so
    // that a browser writing a lot never blocks on a full pipe.
    auto* viewer = new QProcess;
    viewer->setProgram(viewerName);
    viewer->setArguments({manual});
    viewer->setStandardOutputFile(QProcess::nullDevice());
    viewer->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(viewer, &QProcess::finished, viewer, &QObject::deleteLater);
    QObject::connect(viewer, &QProcess::errorOccurred, viewer, [viewer](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) viewer->deleteLater();
    });
    QObject::connect(viewer, &QProcess::finished, context,
                     [cannotShow, viewerName](int code, QProcess::ExitStatus status) {
                         if (status == QProcess::CrashExit)
                             cannotShow(QStringLiteral("%1 stopped unexpectedly").arg(viewerName));
                         else if (code != 0)
                             cannotShow(QStringLiteral("%1 ended with exit code %2").arg(viewerName).arg(code));
                     });
    QObject::connect(viewer, &QProcess::errorOccurred, context, [cannotShow, viewerName](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) cannotShow(QStringLiteral("%1 could not be started").arg(viewerName));
    });
    viewer->start();
}

}  // namespace files
