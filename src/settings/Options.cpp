#include "Options.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "SettingsStore.h"
#include "markup/Palette.h"
#include "storage/FileNames.h"

namespace settings {

QString homeFolder()
{
    return QDir::homePath();
}

QStringList Options::sideMaskPatterns() const
{
    if (sideMask.isEmpty()) return {QStringLiteral("*.*")};
    return sideMask.split(u';', Qt::SkipEmptyParts);
}

Options LoadOptions()
{
    const SettingsStore store;
    return LoadOptions(store);
}

Options LoadOptions(const SettingsStore& s)
{
    Options o;
    o.UseDefault = s.read(document::kUseDefault);
    o.name = s.read(user::kName);
    o.mail = s.read(user::kMail);
    o.phone = s.read(user::kPhone);
    o.fax = s.read(user::kFax);
    o.address = s.read(user::kAddress);
    o.url = s.read(user::kUrl);
    o.syntaxClr = s.read(user::kSyntaxColour);
    o.TagColour = markup::paletteRgb(o.syntaxClr);
    o.dir = s.read(user::kDir, homeFolder());
    o.drive = s.read(user::kDrive);
    o.showUpdate = s.read(user::kShowUpdate);
    o.tagCase = s.read(user::kLowerCase);
    o.bgImage = s.read(document::kBgImage);
    o.dtd = s.read(document::kDtd);
    o.templateNo = s.read(document::kTemplate);
    o.customFile = s.read(document::kCustomFile);
    o.sideMask = s.read(user::kSideMask);
    o.FullCellTag = s.read(user::kFullCellTag);
    o.KeepSelected = s.read(user::kKeepSelected);
    o.closeTags = s.read(user::kCloseTags);
    o.sideColour = s.read(user::kSideColour);
    o.updateTrailer = s.read(user::kCustom);
    o.keySet = s.read(user::kKeySet);
    o.theme = s.read(user::kTheme);
    o.liveColour = s.read(user::kLiveColour);
    return o;
}

QString programFolderOf(const QString& executablePath)
{
    const QString name = storage::FileNamePart(executablePath);
    if (name.compare(QStringLiteral("tagsmith"), Qt::CaseInsensitive) != 0) return {};
    return executablePath.left(executablePath.size() - name.size());
}

QString ProgramFolder()
{
    return programFolderOf(QCoreApplication::applicationFilePath());
}

QString installedDataFolderOf(const QString& programFolder)
{
    if (programFolder.isEmpty()) return {};
    const QString folder = QDir::cleanPath(programFolder + QStringLiteral(QUILLON_DATA_FROM_BIN)) + u'/';
    return QFileInfo(folder).isDir() ? folder : QString();
}

QString programDataFileIn(const QString& programFolder, const QString& name)
{
    if (programFolder.isEmpty()) return name;
    // Asked with the rights the program runs with (not the real user's).
    if (installedDataFolderOf(programFolder).isEmpty() &&
        ::faccessat(AT_FDCWD, QFile::encodeName(programFolder).constData(), W_OK, AT_EACCESS) == 0)
        return programFolder + name;
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString folder = base + QStringLiteral("/Corvantis/Quillon");
    QDir().mkpath(folder);
    return folder + u'/' + name;
}

QString programDataFile(const QString& name)
{
    return programDataFileIn(ProgramFolder(), name);
}

}  // namespace settings
