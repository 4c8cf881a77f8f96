// Reading and writing the Options dialog's fields, and the update stamp's time
// formats whose present values caption the dialog's format buttons.
#include "OptionsForm.h"

#include "markup/QuickSnippets.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace dialogs {
namespace {
const QString kUser = QStringLiteral("user");
const QString kQuick = QStringLiteral("quick");
const QString kMicrosoft = QStringLiteral("microsoft");
const QString kNetscape = QStringLiteral("netscape");
}  // namespace

OptionsForm readOptionsForm(const settings::SettingsStore& s)
{
    namespace d = settings::defaults;
    auto text = [&s](const QString& section, const char* ident, const QString& def) {
        return s.ReadString(section, QString::fromLatin1(ident), def);
    };
    auto flag = [&s](const char* ident, bool def) { return s.ReadBool(kUser, QString::fromLatin1(ident), def); };
    auto number = [&s](const char* ident, int def) { return s.ReadInteger(kUser, QString::fromLatin1(ident), def); };

    OptionsForm f;
    f.stampAsComment = !flag("showupdate", false);
    f.syntaxColour = number("syntaxclr", d::kSyntaxColour);
    f.lowerCaseTags = flag("case", true);
    f.keepSelected = flag("keepselected", true);
    f.fullCellTag = flag("fullcelltag", true);
    f.preCustom = text(kUser, "precustom", d::kPreCustom);
    f.custom = text(kUser, "custom", d::kCustomInDialog);
    f.browserPath = text(kUser, "nspath", d::kNsPath);
    f.tool1Path = text(kUser, "mapedit", {});
    f.tool1Name = text(kUser, "mapname", {});
    f.tool2Path = text(kUser, "deftool1", {});
    f.tool2Name = text(kUser, "defname1", {});
    f.tool3Path = text(kUser, "deftool2", {});
    f.tool3Name = text(kUser, "defname2", {});
    f.sideMask = text(kUser, "sidemask", d::kSideMaskInDialog);
    f.preImage = text(kUser, "preimage", {});
    f.sideColor = number("sidecolor", d::kSideColour);
    f.name = text(kUser, "name", d::kName);
    f.mail = text(kUser, "mail", d::kMail);
    f.phone = text(kUser, "phone", d::kPhone);
    f.fax = text(kUser, "fax", d::kFax);
    f.address = text(kUser, "address", d::kAddress);
    f.url = text(kUser, "url", d::kUrl);
    f.quickTable = text(kQuick, "table", QString::fromUtf8(markup::kQuickTableDefault));
    f.quickStyle = text(kQuick, "style", QString::fromUtf8(markup::kQuickStyleDefault));
    f.quickScript = text(kQuick, "script", QString::fromUtf8(markup::kQuickScriptDefault));
    f.timeFormat = number("timeformat", d::kTimeFormat);
    f.microsoftBrowser = text(kUser, "browser", d::kBrowser).toLower() == kMicrosoft;
    return f;
}

void writeOptionsForm(settings::SettingsStore& s, const OptionsForm& f)
{
    auto text = [&s](const QString& section, const char* ident, const QString& value) {
        s.WriteString(section, QString::fromLatin1(ident), value);
    };
    auto flag = [&s](const char* ident, bool value) { s.WriteBool(kUser, QString::fromLatin1(ident), value); };
    auto number = [&s](const char* ident, int value) { s.WriteInteger(kUser, QString::fromLatin1(ident), value); };

    number("syntaxclr", f.syntaxColour);
    text(kUser, "name", f.name);
    text(kUser, "mail", f.mail);
    text(kUser, "address", f.address);
    text(kUser, "phone", f.phone);
    text(kUser, "fax", f.fax);
    text(kUser, "url", f.url);
    flag("showupdate", !f.stampAsComment);
    flag("fullcelltag", f.fullCellTag);
    flag("keepselected", f.keepSelected);
    flag("case", f.lowerCaseTags);
    text(kUser, "precustom", f.preCustom);
    text(kUser, "custom", f.custom);
    text(kUser, "nspath", f.browserPath);
    text(kUser, "mapedit", f.tool1Path);
    text(kUser, "mapname", f.tool1Name);
    text(kUser, "deftool1", f.tool2Path);
    text(kUser, "defname1", f.tool2Name);
    text(kUser, "deftool2", f.tool3Path);
    text(kUser, "defname2", f.tool3Name);
    text(kUser, "sidemask", f.sideMask);
    text(kUser, "preimage", f.preImage);
    number("sidecolor", f.sideColor);
    text(kQuick, "table", f.quickTable);
    text(kQuick, "style", f.quickStyle);
    text(kQuick, "script", f.quickScript);
    // A format the buttons do not offer stays as it was stored.
    if (f.timeFormat >= 1 && f.timeFormat <= kTimeFormatCount) number("timeformat", f.timeFormat);
    text(kUser, "browser", f.microsoftBrowser ? kMicrosoft : kNetscape);
}

QString fromStoredLines(const QString& stored)
{
    QString lines = stored;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    return lines;
}

QString toStoredLines(const QString& edited)
{
    QString lines = fromStoredLines(edited);
    lines.replace(QChar::ParagraphSeparator, u'\n');
    lines.replace(QChar::LineSeparator, u'\n');
    lines.replace(u'\n', QStringLiteral("\r\n"));
    return lines;
}

}  // namespace dialogs
