// The user tools and the manual's place: captions, command lines split without
// a shell, names arriving whole as one argument.

#include "files/UserTools.h"
#include "settings/Options.h"
#include "support/StandIn.h"

namespace {

TEST(UserTools, AreCaptionedByNameOrProgram)
{
    // tool number, command line, name, caption
    const std::tuple<int, const char*, const char*, const char*> rows[] = {
        {1, "/opt/tools/Mapper.exe", "Image Mapper", "&1 Image Mapper"},
        {2, "/usr/bin/gimp --new-instance", "", "&2 gimp"},
        {3, "gimp", "Ima&ges", "Ima&ges"},
        {3, "", "Unused", ""},
    };
    for (const auto& [number, commandLine, name, caption] : rows)
        EXPECT_EQ(files::toolCaption(number, commandLine, name), QString::fromUtf8(caption)) << commandLine;
}

// A tool gets its own arguments, then each given name whole, never through a
// shell; one that cannot start says so.
TEST(UserTools, GetEachNameAsOneArgument)
{
    const testing_support::StandIn tool(QDir::currentPath() + "/my tools", "rec");
    const QStringList names = {"a b.html", "q\"uote's;$(touch x)`y`.html", "-n.html", "line\nbreak.html"};
    ASSERT_TRUE(files::startCommandLine("'" + tool.path() + "' --opt \"two words\"", names));
    EXPECT_EQ(tool.arguments(), QStringList({"--opt", "two words"}) + names);
    EXPECT_FALSE(QFile::exists("x"));
    // A path with a blank stored without quotes, as the Options dialog's Browse gives it.
    EXPECT_EQ(files::commandLineWords(tool.path() + " a\\ b 'c d' \"e\\\"f\""),
              QStringList({tool.path(), "a b", "c d", "e\"f"}));
    EXPECT_FALSE(files::startCommandLine(QDir::currentPath() + "/no-such-program"));
    EXPECT_FALSE(files::startCommandLine(""));
}

// The manual lies beside tagsmith (another program finds it in the current
// folder: tests/commands, Help).
TEST(HelpFile, LiesBesideTheProgram)
{
    EXPECT_EQ(files::helpFilePath(settings::programFolderOf("/opt/quillon/bin/tagsmith")),
              "/opt/quillon/bin/quillon.html");
}

}  // namespace
