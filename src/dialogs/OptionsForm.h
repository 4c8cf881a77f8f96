// The data behind the Options dialog: one plain struct of every field, read
// from the settings store with the dialog's own defaults and written back in the
// editor's fixed order. No widgets here, so the round trip is testable alone.
#pragma once

#include <QString>

namespace settings {
class SettingsStore;
}

namespace dialogs {

// Every field of the dialog, holding values as they are stored: multi-line
// texts with CR LF, indexes as stored (possibly outside what a control offers).
struct OptionsForm {
    // General Options
    QString sideMask;
    int sideColour = 1;  // position in the side colour list; -1 none selected
    bool lowerCaseTags = true;
    bool FullCellTag = true;
    bool KeepSelected = true;
    bool closeTags = true;
    QString preImage;
    int syntaxColour = 4;  // palette index of the tag colour
    // User Info
    QString name, address, phone, fax, mail, url;
    // Update Stamp
    bool stampAsComment = true;  // the stored showupdate, inverted
    QString preCustom, custom;
    int timeFormat = 5;  // 1..6; anything else selects no button and is not written
    // Quick snippets
    QString quickTable, quickStyle, quickScript;
    // Tools
    bool microsoftBrowser = false;
    QString browserPath;
    QString tool1Path, tool1Name, tool2Path, tool2Name, tool3Path, tool3Name;
    // Keys and Colours
    int keySet = 0;  // 0 Classic, 1 Desktop
    int theme = 0;   // 0 classic light, 1 dark, 2 follow the desktop
    bool liveColour = false;

    bool operator==(const OptionsForm&) const = default;
};

// Fills every field from the store, with the defaults the dialog shows on
// first use (its own side filter and update-stamp trailer included).
OptionsForm readOptionsForm(const settings::SettingsStore& store);
// Stores every field in the editor's fixed order; text fields also when empty.
void writeOptionsForm(settings::SettingsStore& store, const OptionsForm& form);

// The time formats of the update stamp are 1 to 6 (markup::stampDate).
inline constexpr int kTimeFormatCount = 6;

// Multi-line texts: the stored form uses CR LF; an editing field shows lines.
// `fromStoredLines` turns CR LF (and a lone CR) into LF; `toStoredLines` makes
// every line break (CR LF, CR, LF, U+2028, U+2029) CR LF.
QString fromStoredLines(const QString& stored);
QString toStoredLines(const QString& edited);

}  // namespace dialogs
