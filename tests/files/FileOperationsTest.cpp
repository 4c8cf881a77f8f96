// The side panel's file operations on a real folder: what is done (a link is
// deleted itself, its target kept), and that a refusal leaves every entry as
// it was.

#include "files/FileOperations.h"

namespace {

const QStringList kBefore = {"dangling", "index.htm", "link", "other.htm", "sub"};

// index.htm, other.htm, the folder sub, link (to other.htm), dangling (to nothing).
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

struct Op {
    const char* what;  // "create", "rename" (index.htm) or "delete"
    const char* name;
    bool done;
};
class FileOperation : public testing::TestWithParam<Op> {};

TEST_P(FileOperation, DoesWhatItIsAskedOrLeavesEverythingAsItWas)
{
    const QString dir = makeFolder(), what = GetParam().what, name = GetParam().name;
    const bool done = what == "create"   ? files::createFolder(dir, name)
                      : what == "rename" ? files::renameFile(dir + "/index.htm", name)
                                         : files::deleteFile(dir + "/" + name);
    EXPECT_EQ(done, GetParam().done);
    QStringList expected = kBefore;
    if (done && what == "create") expected << name;
    if (done && what == "rename") expected.replace(expected.indexOf("index.htm"), name);
    if (done && what == "delete") expected.removeAll(name);
    expected.sort();
    EXPECT_EQ(faults::entries(dir), expected);
    EXPECT_EQ(faults::readBytes(dir + "/other.htm"), "other");
    if (done && what == "rename") {
        EXPECT_EQ(faults::readBytes(dir + "/" + name), "index");
    }
}

INSTANTIATE_TEST_SUITE_P(Names, FileOperation,
                         testing::Values(Op{"create", "drafts", true}, Op{"create", "sub", false},
                                         Op{"create", "index.htm", false}, Op{"create", "a/b", false},
                                         Op{"create", "..", false}, Op{"create", "", false},
                                         Op{"rename", "home.htm", true}, Op{"rename", "other.htm", false},
                                         Op{"rename", "sub", false}, Op{"rename", "index.htm", false},
                                         Op{"rename", "../out.htm", false}, Op{"rename", "", false},
                                         Op{"delete", "index.htm", true}, Op{"delete", "link", true},
                                         Op{"delete", "sub", false}, Op{"delete", "dangling", true}),
                         [](const auto& row) { return std::string(row.param.what) + std::to_string(row.index); });

}  // namespace
