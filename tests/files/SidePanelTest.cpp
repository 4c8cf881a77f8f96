// The side panel: the file mask as users expect it, folders, drives and colours.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QHash>
#include <QIcon>
#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include "files/SidePanel.h"

namespace {

QStringList listed(QListView* view)
{
    QStringList names;
    QAbstractItemModel* model = view->model();
    for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
        names << model->index(r, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

void touch(const QString& path)
{
    QFile(path).open(QIODevice::WriteOnly);
}

}  // namespace

// A pattern ending in a three-letter extension also matches the longer ones
// that start with it; "*.*" and an empty mask mean every file.
TEST(SideMask, BecomesTheseNameFiltersWhichThePanelAppliesIgnoringCase)
{
    const std::pair<QStringList, QStringList> rows[] = {{{"*.htm"}, {"*.htm*"}},
                                                        {{"*.shtml", "*.jpeg"}, {"*.shtml", "*.jpeg"}},
                                                        {{"*.*"}, {"*"}},
                                                        {{}, {"*"}},
                                                        {{" *.txt ", ""}, {"*.txt*"}},
                                                        {{"index.htm"}, {"index.htm"}},
                                                        {{"*.h?m"}, {"*.h?m"}}};
    for (const auto& [patterns, filters] : rows)
        EXPECT_EQ(files::sideMaskFilters(patterns), filters) << patterns.join(';').toStdString();
    // The panel lists matching files ignoring case, new ones after a refresh, and changes folder.
    const QString dir = QDir::currentPath();
    for (const char* name : {"page.htm", "Index.HTML", "notes.txt", "pic.gif", "script.js"})
        touch(dir + QLatin1Char('/') + QLatin1String(name));
    files::SidePanel panel;
    panel.setMask({QStringLiteral("*.htm"), QStringLiteral("*.gif")});
    ASSERT_TRUE(panel.setFolder(dir));
    // The list fills in the background: wait until it shows `names`.
    const auto shows = [&panel](const QStringList& names) {
        return QTest::qWaitFor([&] { return listed(panel.fileBox()) == names; });
    };
    EXPECT_TRUE(shows({"Index.HTML", "page.htm", "pic.gif"})) << listed(panel.fileBox()).join(' ').toStdString();
    touch(dir + QStringLiteral("/saved.html"));  // a new file shows after a refresh
    panel.refresh();
    EXPECT_TRUE(shows({"Index.HTML", "page.htm", "pic.gif", "saved.html"}));
    panel.setMask({});
    EXPECT_TRUE(shows({"Index.HTML", "notes.txt", "page.htm", "pic.gif", "saved.html", "script.js"}))
        << listed(panel.fileBox()).join(' ').toStdString();
    // Choosing a folder announces it; its drive and the colours are shown.
    QDir().mkdir(QStringLiteral("sub"));
    QSignalSpy spy(&panel, &files::SidePanel::folderChanged);
    EXPECT_TRUE(panel.setFolder(dir + QStringLiteral("/sub/")));
    EXPECT_EQ(panel.folder(), dir + QStringLiteral("/sub"));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_FALSE(panel.setFolder(dir + QStringLiteral("/missing")));
    EXPECT_EQ(panel.folder(), dir + QStringLiteral("/sub"));
    // Folders chosen in a row: both lists follow the last one.
    panel.setFolder(dir);
    panel.setFolder(dir + QStringLiteral("/sub"));
    const auto pathOf = [](const QModelIndex& index) { return index.data(QFileSystemModel::FilePathRole).toString(); };
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return pathOf(panel.fileBox()->rootIndex()) == panel.folder() &&
               pathOf(panel.dirBox()->currentIndex()) == panel.folder();
    }));
    // The drive box holds the volume of the folder, the root listed first.
    EXPECT_EQ(panel.drives().first(), QDir::rootPath());
    EXPECT_TRUE(panel.folder().startsWith(panel.drives().value(panel.driveIndex())));
    // A colour choice outside the three leaves the lists as they were.
    panel.setSideColor(2);
    panel.setSideColor(3);
    EXPECT_EQ(panel.fileBox()->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(panel.driveBox()->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
}

// Every entry shows an icon; entries of one kind share theirs (it is looked up
// once per kind, not per entry).
TEST(SidePanel, ShowsOneIconPerKindOfEntry)
{
    const QString dir = QDir::currentPath();
    for (const char* name : {"a.html", "b.html", "c.css"}) touch(dir + QLatin1Char('/') + QLatin1String(name));
    files::SidePanel panel;
    ASSERT_TRUE(panel.setFolder(dir));
    QListView* list = panel.fileBox();
    ASSERT_TRUE(QTest::qWaitFor([&] { return listed(list).size() == 3; }, 5000));
    QHash<QString, qint64> icons;
    for (int r = 0; r < 3; ++r) {
        const QModelIndex index = list->model()->index(r, 0, list->rootIndex());
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        EXPECT_FALSE(icon.isNull()) << index.data().toString().toStdString();
        icons.insert(index.data().toString(), icon.cacheKey());
    }
    EXPECT_EQ(icons.value(QStringLiteral("a.html")), icons.value(QStringLiteral("b.html")));
}
