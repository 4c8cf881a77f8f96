// Where the program keeps the files it writes for itself (taglist.htx,
// quick.html): beside itself in a build tree it may write, else in the
// user's data folder.

#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace {

TEST(ProgramDataFile, IsInTheProgramsFolderWhenItCanBeWrittenElseInTheUsersDataFolder)
{
    const QString writable = QDir::currentPath() + "/build/";
    QDir().mkpath(writable);
    EXPECT_EQ(settings::programDataFileIn(writable, "taglist.htx"), writable + "taglist.htx");
    EXPECT_EQ(settings::programDataFileIn("", "quick.html"), "quick.html");
    const QString data = qEnvironmentVariable("XDG_DATA_HOME") + "/Corvantis/Quillon";
    // An installed program's folder, which its user cannot write.
    const QString installed = QDir::currentPath() + "/usr/bin/";
    QDir().mkpath(installed);
    QFile::setPermissions(installed, QFile::ReadOwner | QFile::ExeOwner);
    faults::ObeyFilePermissions asUser;
    EXPECT_EQ(settings::programDataFileIn(installed, "taglist.htx"), data + "/taglist.htx");
    EXPECT_TRUE(QFileInfo(data).isDir());
}

TEST(ProgramDataFile, AnInstalledProgramNeverWritesBesideItselfEvenAsRoot)
{
    const QString prefix = QDir::currentPath() + "/prefix", bin = prefix + "/bin/";
    QDir().mkpath(bin);
    EXPECT_EQ(settings::installedDataFolderOf(bin), "");
    EXPECT_EQ(settings::programDataFileIn(bin, "quick.html"), bin + "quick.html");
    // The layout `cmake --install` makes with the default folders.
    QDir().mkpath(prefix + "/share/quillon-pro");
    EXPECT_EQ(settings::installedDataFolderOf(bin), prefix + "/share/quillon-pro/");
    EXPECT_EQ(settings::programDataFileIn(bin, "quick.html"),
              qEnvironmentVariable("XDG_DATA_HOME") + "/Corvantis/Quillon/quick.html");
    EXPECT_EQ(settings::installedDataFolderOf(""), "");
}

}  // namespace
