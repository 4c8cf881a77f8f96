// File names that break programs which pass names through a shell or split
// them at blanks: each reaches the file it names, and nothing else is run or
// touched.
#include <QDir>
#include <cstdio>

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

// Qt 6 cannot name a file whose name is not UTF-8: it is refused as missing
// and nothing is touched.
TEST_F(MainWindowTest, ANameThatIsNotUtf8IsRefusedAsMissing)
{
    const QByteArray name = QDir::currentPath().toUtf8() + "/caf\xe9.html";
    FILE* f = std::fopen(name.constData(), "w");
    ASSERT_TRUE(f);
    std::fputs("kept", f);
    std::fclose(f);
    start({QFile::decodeName(name)});
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(ui.shown[0].text.startsWith("Quillon Pro can't find ")) << ui.shown[0].text.toStdString();
    EXPECT_EQ(text(), "");
    window.reset();
    char kept[8] = {};
    f = std::fopen(name.constData(), "r");
    ASSERT_TRUE(f);
    EXPECT_STREQ(std::fgets(kept, sizeof kept, f), "kept");
    std::fclose(f);
}

}  // namespace
