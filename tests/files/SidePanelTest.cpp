// The side panel: the file mask as users expect it, and the files it lists.

#include <QAbstractItemModel>
#include <QListView>

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
TEST(SideMask, BecomesTheseNameFilters)
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
}

// The panel lists the matching files ignoring case, new ones after a refresh;
// a missing folder is refused and the panel stays where it was.
TEST(SidePanel, ListsTheFilesTheMaskMatches)
{
    const QString dir = QDir::currentPath();
    for (const char* name : {"page.htm", "Index.HTML", "notes.txt"})
        touch(dir + QLatin1Char('/') + QLatin1String(name));
    files::SidePanel panel;
    panel.setMask({QStringLiteral("*.htm")});
    ASSERT_TRUE(panel.setFolder(dir));
    const auto shows = [&panel](const QStringList& names) {
        return QTest::qWaitFor([&] { return listed(panel.filebox()) == names; });
    };
    EXPECT_TRUE(shows({"Index.HTML", "page.htm"})) << listed(panel.filebox()).join(' ').toStdString();
    touch(dir + QStringLiteral("/saved.html"));
    panel.refresh();
    EXPECT_TRUE(shows({"Index.HTML", "page.htm", "saved.html"}));
    EXPECT_FALSE(panel.setFolder(dir + QStringLiteral("/missing")));
    EXPECT_EQ(panel.folder(), dir);
}
