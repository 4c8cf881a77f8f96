// The option variables that many commands consult, filled by LoadOptions from
// the settings store at start, after the Options dialog closes, before New and
// before Quick Page. They change only when LoadOptions runs again.
#pragma once

#include <QString>
#include <QStringList>

namespace settings {

class SettingsStore;

// The folder that stands for the default folder "c:\\": the home folder.
QString homeFolder();

struct Options {
    // Part of new documents.
    bool UseDefault = false;
    QString bgImage, dtd, customFile;
    int templateNo = 0;
    // User information for Quick Page.
    QString name, mail, phone, fax, address, url;
    // Tag colour: the palette index and its 0xRRGGBB value (black outside 0..15).
    int syntaxClr = 4;
    unsigned TagColour = 0x000080;
    // Side panel: folder, drive position, background choice and file filter.
    QString dir;
    int drive = 1;
    int sideColour = 1;
    QString sideMask;
    // Tag insertion.
    bool tagCase = true;  // true: lower case
    bool KeepSelected = true;
    bool FullCellTag = true;
    // "</" typed writes the end tag of the element still open.
    bool closeTags = true;
    // Update stamp.
    bool showUpdate = false;
    QString updateTrailer;
    // The editor's look and keys (see settings::user::kKeySet and after).
    int keySet = 0;
    int theme = 0;
    bool liveColour = false;

    // The side panel's name filters: sideMask split at ";", "*.*" when empty.
    QStringList sideMaskPatterns() const;
};

// Reads the option variables in the order the editor always has.
Options LoadOptions();
Options LoadOptions(const SettingsStore& store);

// The folder of the running program with a trailing "/" when the executable
// is called tagsmith (ignoring case), else empty.
QString ProgramFolder();
QString programFolderOf(const QString& executablePath);

// The folder of the files installed with the program (the manual), with a
// trailing "/": the package's data folder beside an installed executable
// (<prefix>/share/quillon-pro/ for <prefix>/bin/tagsmith, found relative to
// the executable so that any prefix works). Empty when it does not exist, as
// in a build tree, whose files lie in the program's folder itself.
QString installedDataFolderOf(const QString& programFolder);

// Where the program keeps a file of its own (taglist.htx, quick.html), for
// reading and writing alike: in `ProgramFolder` when that folder can be
// written and the program is not installed (a build tree); otherwise in the
// user's data folder ($XDG_DATA_HOME/Corvantis/Quillon/, created when
// missing), also when root runs an installed program; a bare name, in the
// current folder, when the program has another name than tagsmith.
QString programDataFile(const QString& name);
QString programDataFileIn(const QString& programFolder, const QString& name);

}  // namespace settings
