// The four recent files: their order, repeats, the File menu entries and the
// missing-file error.

#include "app/RecentFiles.h"
#include "support/MainWindowFixture.h"

namespace {

void storeSlots(const QStringList& paths)
{
    settings::SettingsStore s;
    for (int i = 0; i < paths.size(); ++i) s.write(settings::mru::file(i), paths[i]);
}

QStringList storedSlots()
{
    const app::RecentSlots stored = app::readRecentSlots();
    return QStringList(stored.begin(), stored.end());
}

}  // namespace

TEST(RecentFiles, KeepsFourNewestFirst)
{
    const QStringList p = {"/f1", "/f2", "/f3", "/f4", "/F5"};
    for (int i = 0; i < 4; ++i) app::AddRecentFile(p[i]);
    EXPECT_EQ(storedSlots(), QStringList({p[3], p[2], p[1], p[0]}));
    app::AddRecentFile(p[4]);
    app::AddRecentFile(p[2]);
    EXPECT_EQ(storedSlots(), QStringList({p[4], p[3], p[2], p[1]}));
    EXPECT_EQ(app::recentCaption(1, QStringLiteral("/a&b.html")), QStringLiteral("&2 /a&&b.html"));
}

// A recent file opens without reordering the list; a missing one is reported
// and stays listed. A file opened or saved goes first, in the list and in the
// menu, with its letter case.
TEST_F(MainWindowTest, ARecentFileOpensWithoutReorderingAnOpenedOrSavedOneGoesFirst)
{
    QDir().mkdir(QStringLiteral("Web"));
    const QString a = writeFile(QStringLiteral("a.html"), "aaa"), gone = home() + QStringLiteral("/gone.html");
    const QString path = writeFile(QStringLiteral("Web/Index.HTML"), "x"), saved = home() + QStringLiteral("/new.html");
    storeSlots({gone, a});
    start();
    type(QStringLiteral("keep"));
    run("mru1Click");
    EXPECT_EQ(ui.texts(), QStringList({"Can't find \"" + gone + "\". Check to see that the path is correct."}));
    EXPECT_EQ(text(), "keep");
    window->bodyControl().setModified(false);
    run("mru2Click");
    EXPECT_EQ(std::pair(text(), window->DocumentPath()), std::pair(std::string("aaa"), a));
    EXPECT_EQ(storedSlots(), QStringList({gone, a, QString(), QString()}));
    ui.fileName(path);
    run("FileOpenClick");
    run("FileNewClick");
    ui.fileName(saved);
    run("FileSaveClick");
    EXPECT_EQ(storedSlots(), QStringList({saved, path, gone, a}));
    EXPECT_EQ(action("mru2")->text(), QStringLiteral("&2 ") + path);
}
