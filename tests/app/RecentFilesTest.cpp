// The four recent files: their order, repeats, the File menu entries and the
// missing-file error.
#include <QAction>

#include "MainWindowFixture.h"
#include "app/RecentFiles.h"

using interaction::Answer;

namespace {

const QString kMru = QStringLiteral("MRU List");

void storeSlots(const QStringList& paths)
{
    settings::SettingsStore s;
    for (int i = 0; i < paths.size(); ++i) s.WriteString(kMru, QString::number(i + 1), paths[i]);
}

QStringList storedSlots()
{
    const app::RecentSlots stored = app::readRecentSlots();
    return QStringList(stored.begin(), stored.end());
}

}  // namespace

TEST_F(MainWindowTest, RecentListMovesDownAndDropsTheOldest)
{
    QStringList paths;
    for (int i = 1; i <= 5; ++i) paths << writeFile(QStringLiteral("f%1.html").arg(i), "x");
    for (int i = 0; i < 4; ++i) app::addRecentFile(paths[i]);
    EXPECT_EQ(storedSlots(), QStringList({paths[3], paths[2], paths[1], paths[0]}));
    app::addRecentFile(paths[4]);
    EXPECT_EQ(storedSlots(), QStringList({paths[4], paths[3], paths[2], paths[1]}));
    // A file already listed keeps its place.
    app::addRecentFile(paths[2]);
    EXPECT_EQ(storedSlots(), QStringList({paths[4], paths[3], paths[2], paths[1]}));
}

TEST_F(MainWindowTest, RecentPathsKeepTheirLetterCase)
{
    QDir().mkdir(QStringLiteral("Web"));
    const QString path = writeFile(QStringLiteral("Web/Index.HTML"), "x");
    start();
    ui.fileName(path);
    run("FileOpenClick");
    EXPECT_EQ(storedSlots().first(), path);
    EXPECT_EQ(window->commands().action(QStringLiteral("mru1"))->text(), QStringLiteral("&1 ") + path);
}

TEST_F(MainWindowTest, RepeatedSlotsShowOnceInTheLaterPlace)
{
    const QString a = writeFile(QStringLiteral("a.html"), "a"), b = writeFile(QStringLiteral("b.html"), "b");
    storeSlots({a, b, a, QString()});
    start();
    QStringList shown;
    for (const char* entry : {"mru1", "mru2", "mru3", "mru4", "mruline"}) {
        const QAction* action = window->commands().action(QString::fromLatin1(entry));
        if (action->isVisible()) shown << action->text();
    }
    EXPECT_EQ(shown, QStringList({"&2 " + b, "&3 " + a, QString()}));
}

TEST_F(MainWindowTest, NoRecentFilesHidesTheSeparatorAndAnAmpersandShowsAsItself)
{
    start();
    EXPECT_FALSE(window->commands().action(QStringLiteral("mruline"))->isVisible());
    EXPECT_EQ(app::recentCaption(1, QStringLiteral("/a&b.html")), QStringLiteral("&2 /a&&b.html"));
}

TEST_F(MainWindowTest, OpeningARecentFileLoadsItWithoutReordering)
{
    const QString a = writeFile(QStringLiteral("a.html"), "aaa"), b = writeFile(QStringLiteral("b.html"), "bbb");
    storeSlots({a, b});
    start();
    run("mru2Click");
    EXPECT_EQ(text(), "bbb");
    EXPECT_EQ(caption(), b + QStringLiteral(" - Quillon Pro"));
    EXPECT_EQ(window->documentPath(), b);
    EXPECT_FALSE(window->editor().isModified());
    EXPECT_EQ(storedSlots(), QStringList({a, b, QString(), QString()}));
}

TEST_F(MainWindowTest, AMissingRecentFileIsReportedAndStaysListed)
{
    const QString gone = home() + QStringLiteral("/gone.html");
    storeSlots({gone});
    start();
    type(QStringLiteral("keep"));
    run("mru1Click");
    EXPECT_EQ(ui.texts(), QStringList({QStringLiteral("Can't find \"") + gone +
                                       QStringLiteral("\". Check to see that the path is correct.")}));
    EXPECT_EQ(text(), "keep");
    EXPECT_EQ(storedSlots().first(), gone);
}

TEST_F(MainWindowTest, SavingANewDocumentPutsItFirst)
{
    const QString a = writeFile(QStringLiteral("a.html"), "a");
    storeSlots({a});
    start();
    type(QStringLiteral("new"));
    ui.fileName(home() + QStringLiteral("/new.html"));
    run("FileSaveClick");
    EXPECT_EQ(storedSlots(), QStringList({home() + QStringLiteral("/new.html"), a, QString(), QString()}));
    EXPECT_EQ(window->commands().action(QStringLiteral("mru1"))->text(), QStringLiteral("&1 ") + home() + "/new.html");
}
