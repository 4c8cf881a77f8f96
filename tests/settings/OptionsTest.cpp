// LoadOptions: the defaults of a first run and the values it maps.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "support/FileFaults.h"

namespace {

TEST(LoadOptions, FirstRunGivesEveryDefault)
{
    const settings::Options o = settings::LoadOptions();
    EXPECT_TRUE(o.tagCase);
    EXPECT_TRUE(o.keepSelected);
    EXPECT_TRUE(o.fullCellTag);
    EXPECT_FALSE(o.showUpdate);
    EXPECT_FALSE(o.useDefault);
    EXPECT_EQ(o.syntaxClr, 4);
    EXPECT_EQ(o.tagColour, 0x000080u);
    EXPECT_EQ(o.name, "Quillon User");
    EXPECT_EQ(o.phone, "555-1212");
    EXPECT_EQ(o.fax, "555-1313");
    EXPECT_TRUE(o.address.contains("\r\n"));
    EXPECT_EQ(o.dir, QDir::homePath());
    EXPECT_EQ(o.drive, 1);
    EXPECT_EQ(o.sideColor, 1);
    EXPECT_EQ(o.sideMask, "*.htm;*.shtml;*.txt;*.map;*.gif;*.jpg;*.jpeg");
    EXPECT_EQ(o.templateNo, 0);
    EXPECT_EQ(o.dtd, "");
    EXPECT_EQ(o.customFile, "");
    EXPECT_TRUE(o.updateTrailer.startsWith("using <a href="));
    EXPECT_TRUE(o.updateTrailer.endsWith(">Quillon Pro</a>."));
}

TEST(LoadOptions, TagColourComesFromThePaletteAndIsBlackOutOfRange)
{
    settings::SettingsStore s;
    const std::pair<int, unsigned> cases[] = {{0, 0x000000},  {7, 0xC0C0C0},  {9, 0xFF0000},  {15, 0xFFFFFF},
                                              {16, 0x000000}, {-1, 0x000000}, {255, 0x000000}};
    for (const auto& [index, rgb] : cases) {
        s.WriteInteger("user", "syntaxclr", index);
        EXPECT_EQ(settings::LoadOptions(s).tagColour, rgb) << index;
    }
}

TEST(LoadOptions, ReadsStoredValuesUnderAnyCaseOfTheirNames)
{
    settings::SettingsStore s;
    s.WriteBool("USER", "Case", false);
    s.WriteString("user", "custom", "by me");
    s.WriteString("Document", "dtd", "<!DOCTYPE html>");
    s.WriteString("user", "sidemask", "");
    const settings::Options o = settings::LoadOptions(s);
    EXPECT_FALSE(o.tagCase);
    EXPECT_EQ(o.updateTrailer, "by me");
    EXPECT_EQ(o.dtd, "<!DOCTYPE html>");
    EXPECT_EQ(o.sideMaskPatterns(), QStringList{"*.*"});
}

TEST(ProgramFolder, IsTheExecutablesFolderOnlyForTagsmith)
{
    EXPECT_EQ(settings::ProgramFolderOf("/opt/q/bin/tagsmith"), "/opt/q/bin/");
    EXPECT_EQ(settings::ProgramFolderOf("/opt/q/bin/TagSmith"), "/opt/q/bin/");
    EXPECT_EQ(settings::ProgramFolderOf("/opt/q/bin/test_settings"), "");
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

}  // namespace
