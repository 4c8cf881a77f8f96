// Reading and writing the Options dialog's fields, and the update stamp's time
// formats whose present values caption the dialog's format buttons.
#include "OptionsForm.h"

#include "settings/SettingsStore.h"

namespace dialogs {

OptionsForm readOptionsForm(const settings::SettingsStore& s)
{
    namespace user = settings::user;
    namespace quick = settings::quick;
    OptionsForm f;
    f.stampAsComment = !s.read(user::kShowUpdate);
    f.syntaxColour = s.read(user::kSyntaxColour);
    f.lowerCaseTags = s.read(user::kLowerCase);
    f.KeepSelected = s.read(user::kKeepSelected);
    f.FullCellTag = s.read(user::kFullCellTag);
    f.closeTags = s.read(user::kCloseTags);
    f.preCustom = s.read(user::kPreCustom);
    f.custom = s.read(user::kCustomInDialog);
    f.browserPath = s.read(user::kNsPath);
    f.tool1Path = s.read(user::kTool1Path);
    f.tool1Name = s.read(user::kTool1Name);
    f.tool2Path = s.read(user::kTool2Path);
    f.tool2Name = s.read(user::kTool2Name);
    f.tool3Path = s.read(user::kTool3Path);
    f.tool3Name = s.read(user::kTool3Name);
    f.sideMask = s.read(user::kSideMaskInDialog);
    f.preImage = s.read(user::kPreImage);
    f.sideColour = s.read(user::kSideColour);
    f.name = s.read(user::kName);
    f.mail = s.read(user::kMail);
    f.phone = s.read(user::kPhone);
    f.fax = s.read(user::kFax);
    f.address = s.read(user::kAddress);
    f.url = s.read(user::kUrl);
    f.quickTable = s.read(quick::kTable);
    f.quickStyle = s.read(quick::kStyle);
    f.quickScript = s.read(quick::kScript);
    f.timeFormat = s.read(user::kTimeFormat);
    f.microsoftBrowser = user::choosesDrivenBrowser(s.read(user::kBrowser));
    f.keySet = s.read(user::kKeySet);
    f.theme = s.read(user::kTheme);
    f.liveColour = s.read(user::kLiveColour);
    return f;
}

void writeOptionsForm(settings::SettingsStore& s, const OptionsForm& f)
{
    namespace user = settings::user;
    namespace quick = settings::quick;
    s.write(user::kSyntaxColour, f.syntaxColour);
    s.write(user::kName, f.name);
    s.write(user::kMail, f.mail);
    s.write(user::kAddress, f.address);
    s.write(user::kPhone, f.phone);
    s.write(user::kFax, f.fax);
    s.write(user::kUrl, f.url);
    s.write(user::kShowUpdate, !f.stampAsComment);
    s.write(user::kFullCellTag, f.FullCellTag);
    s.write(user::kKeepSelected, f.KeepSelected);
    s.write(user::kLowerCase, f.lowerCaseTags);
    s.write(user::kCloseTags, f.closeTags);
    s.write(user::kPreCustom, f.preCustom);
    s.write(user::kCustom, f.custom);
    s.write(user::kNsPath, f.browserPath);
    s.write(user::kTool1Path, f.tool1Path);
    s.write(user::kTool1Name, f.tool1Name);
    s.write(user::kTool2Path, f.tool2Path);
    s.write(user::kTool2Name, f.tool2Name);
    s.write(user::kTool3Path, f.tool3Path);
    s.write(user::kTool3Name, f.tool3Name);
    s.write(user::kSideMask, f.sideMask);
    s.write(user::kPreImage, f.preImage);
    s.write(user::kSideColour, f.sideColour);
    s.write(quick::kTable, f.quickTable);
    s.write(quick::kStyle, f.quickStyle);
    s.write(quick::kScript, f.quickScript);
    // A format the buttons do not offer stays as it was stored.
    if (f.timeFormat >= 1 && f.timeFormat <= kTimeFormatCount) s.write(user::kTimeFormat, f.timeFormat);
    // The other choice, the program under nspath, is the setting's default ("netscape").
    s.write(user::kBrowser, f.microsoftBrowser ? user::kDrivenBrowser : user::kBrowser.def);
    s.write(user::kKeySet, f.keySet);
    s.write(user::kTheme, f.theme);
    s.write(user::kLiveColour, f.liveColour);
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
