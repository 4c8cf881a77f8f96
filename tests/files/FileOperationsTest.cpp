// The side panel's file operations on a real folder, the name prompt, and
// files dropped from a file manager (real drop events carrying file URLs).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "files/FileOperations.h"
#include "files/TFileDrag.h"
#include "files/TfrmName.h"
#include "support/FileFaults.h"

namespace {

// index.htm and other.htm, the folder sub, link (to other.htm) and dangling
// (a link to nothing).
QString makeFolder()
{
    const QString dir = QDir::currentPath() + "/site";
    QDir().mkpath(dir + "/sub");
    faults::writeBytes(dir + "/index.htm", "index");
    faults::writeBytes(dir + "/other.htm", "other");
    EXPECT_EQ(::symlink("other.htm", QFile::encodeName(dir + "/link").constData()), 0);
    EXPECT_EQ(::symlink("nowhere", QFile::encodeName(dir + "/dangling").constData()), 0);
    return dir;
}

const QStringList kBefore = {"dangling", "index.htm", "link", "other.htm", "sub"};

struct Op {
    const char* what;  // "create", "rename" (index.htm) or "delete"
    const char* name;
    bool done;
};

class FileOperation : public testing::TestWithParam<Op> {};

TEST_P(FileOperation, DoesWhatItIsAskedOrLeavesEverythingAsItWas)
{
    const QString dir = makeFolder();
    const Op op = GetParam();
    const QString what = op.what, name = QString::fromUtf8(op.name);
    const bool done = what == "create"   ? files::createFolder(dir, name)
                      : what == "rename" ? files::renameFile(dir + "/index.htm", name)
                                         : files::deleteFile(dir + "/" + name);
    EXPECT_EQ(done, op.done);
    QStringList expected = kBefore;
    if (done && what == "create") expected << name;
    if (done && what == "rename") expected.replace(expected.indexOf("index.htm"), name);
    if (done && what == "delete") expected.removeAll(name);
    expected.sort();
    EXPECT_EQ(faults::entries(dir), expected);
    EXPECT_EQ(faults::readBytes(dir + "/other.htm"), "other");
    if (done && what == "rename") EXPECT_EQ(faults::readBytes(dir + "/" + name), "index");
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileOperation,
    testing::Values(Op{"create", "drafts", true}, Op{"create", "sub", false}, Op{"create", "index.htm", false},
                    Op{"create", "dangling", false}, Op{"create", "a/b", false}, Op{"create", "..", false},
                    Op{"create", "", false}, Op{"rename", "home.htm", true}, Op{"rename", "other.htm", false},
                    Op{"rename", "sub", false}, Op{"rename", "dangling", false}, Op{"rename", "index.htm", false},
                    Op{"rename", "../out.htm", false}, Op{"rename", ".", false}, Op{"rename", "", false},
                    Op{"delete", "index.htm", true}, Op{"delete", "link", false}, Op{"delete", "sub", false},
                    Op{"delete", "dangling", false}, Op{"delete", "missing", false}),
    [](const testing::TestParamInfo<Op>& row) {
        std::string name = std::string(row.param.what) + "_" + std::to_string(row.index);
        return name;
    });

TEST(FileOperation, AFolderThatMayNotBeWrittenRefusesAll)
{
    const QString dir = makeFolder();
    ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), 0555), 0);
    {
        const faults::ObeyFilePermissions obey;
        EXPECT_FALSE(files::createFolder(dir, "drafts"));
        EXPECT_FALSE(files::renameFile(dir + "/index.htm", "home.htm"));
        EXPECT_FALSE(files::deleteFile(dir + "/index.htm"));
        EXPECT_FALSE(files::renameFile(dir + "/missing.htm", "home.htm"));
    }
    EXPECT_EQ(faults::entries(dir), kBefore);
}

TEST(TfrmName, OkGivesTheTypedNameAndCancelNone)
{
    for (const bool ok : {true, false}) {
        files::TfrmName prompt("index.htm", QPoint(40, 30));
        auto* field = prompt.findChild<QLineEdit*>("txtName");
        ASSERT_TRUE(field);
        EXPECT_EQ(field->text(), "index.htm");
        prompt.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&prompt));
        QTest::keyClicks(field, "drafts");  // replaces the selected name
        QTest::keyClick(field, ok ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_FALSE(prompt.isVisible());
        EXPECT_EQ(prompt.nameResult(), ok ? "drafts" : "");
    }
}

// Sends a drag entering `target` and, when it is taken, the drop.
bool drop(QWidget& target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = target.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &dropped);
    return dropped.isAccepted();
}

TEST(TFileDrag, KeepsTheLocalFilesOfTheLastDrop)
{
    QWidget window;
    files::TFileDrag eDrag(&window);
    QSignalSpy dropped(&eDrag, &files::TFileDrag::OnDrop);
    const QList<QUrl> urls = {QUrl::fromLocalFile("/w/Site Files/index.htm"), QUrl("https://example.org/a.gif"),
                              QUrl::fromLocalFile("/w/backup.tar.gz"), QUrl::fromLocalFile("/w/README")};
    EXPECT_FALSE(drop(window, urls)) << "before EnableDrop";
    eDrag.setEnableDrop(true);
    EXPECT_FALSE(drop(window, {QUrl("https://example.org/a.gif")}));
    ASSERT_TRUE(drop(window, urls));
    EXPECT_EQ(dropped.count(), 1);
    EXPECT_EQ(eDrag.FileCount(), 3);
    EXPECT_EQ(eDrag.NameWithPath(), QStringList({"/w/Site Files/index.htm", "/w/backup.tar.gz", "/w/README"}));
    EXPECT_EQ(eDrag.NameOnly(), QStringList({"index.htm", "backup.tar.gz", "README"}));
    EXPECT_EQ(eDrag.Extension(), QStringList({"htm", "tar.gz", ""}));
}

}  // namespace
