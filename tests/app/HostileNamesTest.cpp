// File names that break programs which pass names through a shell or split
// them at blanks: each reaches the file it names, and nothing else is run or
// touched.
#include <QDir>

#include "MainWindowFixture.h"

namespace {

const char* const kNames[] = {"a b.html",         "q\"uote's.html", "semi;colon.html",  "$(touch ran).html",
                              "`touch ran`.html", "-n.html",        "line\nbreak.html", "ta\tb.html",
                              "*?|&.html",        "%2 %1.html",     "Grüße 日本.html"};

TEST_F(MainWindowTest, HostileNamesOpenFromTheCommandLineAndSaveAsThemselves)
{
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        const QString path = writeFile(QString::fromUtf8(name), "<p>");
        start({QString::fromUtf8(name)});
        EXPECT_EQ(text(), "<p>");
        EXPECT_EQ(window->documentPath(), path);
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

}  // namespace
