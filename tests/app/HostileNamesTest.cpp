// File names that break programs which pass names through a shell or split
// them at blanks: each reaches the file it names, and nothing else is run or
// touched.

#include "support/MainWindowFixture.h"

namespace {

const char* const kNames[] = {"a b.html",       "q\"uote's;$(touch ran)`touch ran`.html",
                              "-n.html",        "line\nbreak.html",
                              "*?|&%2 %1.html", "Grüße 日本.html"};

TEST_F(MainWindowTest, HostileNamesReachTheirFiles)
{
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        const QString path = writeFile(QString::fromUtf8(name), "<p>");
        start({QString::fromUtf8(name)});
        EXPECT_EQ(text(), "<p>");
        EXPECT_EQ(window->DocumentPath(), path);
        type("x");
        ui.fileName(home() + "/copy " + QString::fromUtf8(name));
        run("FileSaveAsClick");
        EXPECT_EQ(readFile(home() + "/copy " + QString::fromUtf8(name)), QByteArray("x<p>"));
        EXPECT_TRUE(ui.shown.empty()) << ui.texts().join("|").toStdString();
        window.reset();
    }
    EXPECT_FALSE(QFile::exists(home() + "/ran"));
    EXPECT_EQ(QDir(home()).entryList(QDir::Files).size(), 2 * int(std::size(kNames)));
}

// Qt 6 cannot name a file whose name is not UTF-8: decoded, "caf\xe9.html"
// becomes the name its twin "caf\xef\xbf\xbd.html" really has. It is refused
// as missing, the document stays untitled, and neither file is touched.
TEST_F(MainWindowTest, ANameThatIsNotUtf8IsRefusedAsMissing)
{
    const faults::NameTwins names(home());
    start({names.decoded()});
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(ui.shown[0].text.startsWith("Quillon Pro can't find ")) << ui.shown[0].text.toStdString();
    EXPECT_EQ(std::pair(text(), window->DocumentPath()), std::pair(std::string(), QString()));
    window.reset();
    EXPECT_TRUE(names.untouched());
}

}  // namespace
