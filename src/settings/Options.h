// The option variables that many commands consult, filled by LoadOptions from
// the settings store at start, after the Options dialog closes, before New and
// before Quick Page. They change only when LoadOptions runs again.
#pragma once

#include <QString>
#include <QStringList>

namespace settings {

class SettingsStore;

// Defaults of the values several readers share.
namespace defaults {
inline const QString kName = QStringLiteral("Quillon User");
inline const QString kMail = QStringLiteral("author@example.com");
inline const QString kPhone = QStringLiteral("555-1212");
inline const QString kFax = QStringLiteral("555-1313");
inline const QString kAddress = QStringLiteral("1 Main Street\r\nSpringfield, Country");
inline const QString kUrl = QStringLiteral("http://www.example.com/");
inline const QString kPreCustom = QStringLiteral("This page was last updated on");
// The update stamp's trailer as LoadOptions reads it, and as the Options
// dialog shows it.
inline const QString kCustom =
    QStringLiteral("using <a href=\"http://www.quillon.example/\">Quillon Pro</a>.");
inline const QString kCustomInDialog =
    QStringLiteral("using <a href=\"http://www.quillon.example/\">Quillon</a>.");
inline const QString kSideMask = QStringLiteral("*.htm;*.shtml;*.txt;*.map;*.gif;*.jpg;*.jpeg");
inline const QString kSideMaskInDialog = QStringLiteral("*.htm;*.shtm;*.txt;*.map;*.gif;*.jpg;*.jpeg");
inline constexpr int kSyntaxColour = 4;  // navy
inline constexpr int kSideColour = 1;
inline constexpr int kTimeFormat = 5;
inline const QString kBrowser = QStringLiteral("netscape");
inline const QString kNsPath = QStringLiteral("xdg-open");
QString homeFolder();  // stands for the default folder "c:\"
}  // namespace defaults

struct Options {
    // Part of new documents.
    bool useDefault = false;
    QString bgImage, dtd, customFile;
    int templateNo = 0;
    // User information for Quick Page.
    QString name, mail, phone, fax, address, url;
    // Tag colour: the palette index and its 0xRRGGBB value (black outside 0..15).
    int syntaxClr = defaults::kSyntaxColour;
    unsigned tagColour = 0x000080;
    // Side panel: folder, drive position, background choice and file filter.
    QString dir;
    int drive = 1;
    int sideColor = defaults::kSideColour;
    QString sideMask;
    // Tag insertion.
    bool tagCase = true;  // true: lower case
    bool keepSelected = true;
    bool fullCellTag = true;
    // Update stamp.
    bool showUpdate = false;
    QString updateTrailer;

    // The side panel's name filters: sideMask split at ";", "*.*" when empty.
    QStringList sideMaskPatterns() const;
};

// Reads the option variables in the order the editor always has.
Options LoadOptions();
Options LoadOptions(const SettingsStore& store);

// The folder of the running program with a trailing "/" when the executable
// is called tagsmith (ignoring case), else empty.
QString ProgramFolder();
QString ProgramFolderOf(const QString& executablePath);

}  // namespace settings
