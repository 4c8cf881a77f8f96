// LoadOptions: what it maps beyond reading the table's settings.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "markup/Palette.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "support/FileFaults.h"

namespace {

TEST(LoadOptions, FirstRunGivesTheDefaultsOfTheEditorNotOfTheDialog)
{
    const settings::Options o = settings::LoadOptions();
    EXPECT_EQ(o.tagColour, markup::paletteRgb(settings::user::kSyntaxColour.def));
    EXPECT_EQ(o.dir, QDir::homePath());
    EXPECT_EQ(o.sideMask, settings::user::kSideMask.def);
    EXPECT_EQ(o.updateTrailer, settings::user::kCustom.def);
    EXPECT_EQ(o.address, settings::user::kAddress.def);
    // The tag colour comes from the palette, black out of its range.
    settings::SettingsStore s;
    const std::pair<int, unsigned> cases[] = {{0, 0x000000},  {7, 0xC0C0C0},  {9, 0xFF0000},  {15, 0xFFFFFF},
                                              {16, 0x000000}, {-1, 0x000000}, {255, 0x000000}};
    for (const auto& [index, rgb] : cases) {
        s.write(settings::user::kSyntaxColour, index);
        EXPECT_EQ(settings::LoadOptions(s).tagColour, rgb) << index;
    }
}

TEST(ProgramDataFile, IsInTheProgramsFolderWhenItCanBeWrittenElseInTheUsersDataFolder)
{
    const QString writable = QDir::currentPath() + "/build/";
    QDir().mkpath(writable);
    EXPECT_EQ(settings::ProgramDataFileIn(writable, "taglist.htx"), writable + "taglist.htx");
    EXPECT_EQ(settings::ProgramDataFileIn("", "quick.html"), "quick.html");
    const QString data = qEnvironmentVariable("XDG_DATA_HOME") + "/Corvantis/Quillon";
    // An installed program's folder, which its user cannot write.
    const QString installed = QDir::currentPath() + "/usr/bin/";
    QDir().mkpath(installed);
    QFile::setPermissions(installed, QFile::ReadOwner | QFile::ExeOwner);
    faults::ObeyFilePermissions asUser;
    EXPECT_EQ(settings::ProgramDataFileIn(installed, "taglist.htx"), data + "/taglist.htx");
    EXPECT_TRUE(QFileInfo(data).isDir());
}

TEST(ProgramDataFile, AnInstalledProgramNeverWritesBesideItselfEvenAsRoot)
{
    const QString prefix = QDir::currentPath() + "/prefix", bin = prefix + "/bin/";
    QDir().mkpath(bin);
    EXPECT_EQ(settings::InstalledDataFolderOf(bin), "");
    EXPECT_EQ(settings::ProgramDataFileIn(bin, "quick.html"), bin + "quick.html");
    // The layout `cmake --install` makes with the default folders.
    QDir().mkpath(prefix + "/share/quillon-pro");
    EXPECT_EQ(settings::InstalledDataFolderOf(bin), prefix + "/share/quillon-pro/");
    EXPECT_EQ(settings::ProgramDataFileIn(bin, "quick.html"),
              qEnvironmentVariable("XDG_DATA_HOME") + "/Corvantis/Quillon/quick.html");
    EXPECT_EQ(settings::InstalledDataFolderOf(""), "");
}

}  // namespace
