#include "Options.h"

#include <QCoreApplication>
#include <QDir>

#include "SettingsStore.h"
#include "markup/Shared.h"

namespace settings {

QString defaults::homeFolder() { return QDir::homePath(); }

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
    const QString user = QStringLiteral("user"), document = QStringLiteral("document");
    Options o;
    o.useDefault = s.ReadBool(document, QStringLiteral("UseDefault"), false);
    o.name = s.ReadString(user, QStringLiteral("name"), defaults::kName);
    o.mail = s.ReadString(user, QStringLiteral("mail"), defaults::kMail);
    o.phone = s.ReadString(user, QStringLiteral("phone"), defaults::kPhone);
    o.fax = s.ReadString(user, QStringLiteral("fax"), defaults::kFax);
    o.address = s.ReadString(user, QStringLiteral("address"), defaults::kAddress);
    o.url = s.ReadString(user, QStringLiteral("url"), defaults::kUrl);
    o.syntaxClr = s.ReadInteger(user, QStringLiteral("syntaxclr"), defaults::kSyntaxColour);
    o.tagColour = markup::paletteRgb(o.syntaxClr);
    o.dir = s.ReadString(user, QStringLiteral("dir"), defaults::homeFolder());
    o.drive = s.ReadInteger(user, QStringLiteral("drive"), 1);
    o.showUpdate = s.ReadBool(user, QStringLiteral("showupdate"), false);
    o.tagCase = s.ReadBool(user, QStringLiteral("case"), true);
    o.bgImage = s.ReadString(document, QStringLiteral("bgImage"), QString());
    o.dtd = s.ReadString(document, QStringLiteral("DTD"), QString());
    o.templateNo = s.ReadInteger(document, QStringLiteral("template"), 0);
    o.customFile = s.ReadString(document, QStringLiteral("customfile"), QString());
    o.sideMask = s.ReadString(user, QStringLiteral("sidemask"), defaults::kSideMask);
    o.fullCellTag = s.ReadBool(user, QStringLiteral("fullcelltag"), true);
    o.keepSelected = s.ReadBool(user, QStringLiteral("keepselected"), true);
    o.sideColor = s.ReadInteger(user, QStringLiteral("sidecolor"), defaults::kSideColour);
    o.updateTrailer = s.ReadString(user, QStringLiteral("Custom"), defaults::kCustom);
    return o;
}

QString ProgramFolderOf(const QString& executablePath)
{
    const QString name = markup::FileNamePart(executablePath);
    if (name.compare(QStringLiteral("tagsmith"), Qt::CaseInsensitive) != 0) return {};
    return executablePath.left(executablePath.size() - name.size());
}

QString ProgramFolder() { return ProgramFolderOf(QCoreApplication::applicationFilePath()); }

}  // namespace settings
