// A save killed (SIGKILL) at each of its steps, in a process of its own
// (child/SaveChild.cpp) run under strace, which delivers the signal as the
// step's system call begins: the file is then the old or the new one, byte for
// byte, and what the killed save left is gone after the next save into the
// folder. A file with a second name is written in place: there a kill during
// the write leaves a copy of the old bytes beside it, which stays for the
// author, and a failed write puts the old bytes back. Skipped, with a notice,
// where strace is missing or may not trace.

#include <QRegularExpression>

#include "storage/DocumentFile.h"

namespace {

using faults::entries;
using faults::readBytes;

// Three pieces of the in-place write.
const std::string kOld(3 << 20, 'o');
const std::string kNew(3 << 20, 'n');
const std::string kMixed = kNew.substr(0, 1 << 20) + kOld.substr(1 << 20);

enum class Left { Nothing, Temporary, OldCopy };

struct KilledSaveRow {
    const char* name;
    const char* injections;   // strace's -e inject=...; %1 is the count of the O_TMPFILE open
    bool linked;              // the file has a second name
    const std::string& file;  // what the file holds afterwards
    Left left;                // what the save left beside it
};

class KilledSave : public testing::TestWithParam<KilledSaveRow> {};

// strace with `options` running the child, which saves `bytes` to `file`.
std::unique_ptr<QProcess> strace(const QStringList& options, const QString& file, const std::string& bytes)
{
    auto p = std::make_unique<QProcess>();
    p->start(QStringLiteral("strace"), options + QStringList{QStringLiteral(QUILLON_SAVE_CHILD), file,
                                                             QString(QChar(bytes[0])), QString::number(bytes.size())});
    p->waitForFinished(30000);
    return p;
}

TEST_P(KilledSave, LeavesAWholeFile)
{
    if (QProcess::execute(QStringLiteral("strace"), {"-o", "/dev/null", "true"}) != 0)
        GTEST_SKIP() << "NOTICE: strace is missing or may not trace here (scripts/setup installs it)";
    const KilledSaveRow& row = GetParam();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.html"));
    faults::writeBytes(file, kOld);
    // Neither a save in progress in a running process nor a file of the
    // author's shaped like QSaveFile's temporary files is a leftover.
    const QString running = QStringLiteral(".quillon-save-%1-aBcDeF").arg(::getpid());
    faults::writeBytes(dir.filePath(running), "in progress");
    faults::writeBytes(dir.filePath(QStringLiteral("page.html.backup")), "mine");
    QStringList others = {running, QStringLiteral("page.html"), QStringLiteral("page.html.backup")};
    const QString second = dir.filePath(QStringLiteral("second.html"));
    if (row.linked) {
        ASSERT_TRUE(::link(QFile::encodeName(file).constData(), QFile::encodeName(second).constData()) == 0);
        others << QStringLiteral("second.html");
    }

    // Which open of the child's makes the temporary file: from a run unhindered.
    const QStringList opens = QString::fromLocal8Bit(strace({"-e", "trace=openat"}, file, kOld)->readAllStandardError())
                                  .split('\n')
                                  .filter("openat(");
    const qsizetype tmpfile = opens.indexOf(QRegularExpression(".*O_TMPFILE.*")) + 1;
    ASSERT_GT(tmpfile, 0) << "the save opens no unnamed file";

    QStringList options = {"-o", "/dev/null"};
    const QString injections = QString::fromLatin1(row.injections);
    for (const QString& inject : injections.split(' '))
        options << "-e"
                << "inject=" + QString(inject).replace("%1", QString::number(tmpfile));
    const auto killed = strace(options, file, kNew);
    // strace ends as its child did: by the same signal, or with 128 + it; a
    // save that failed reports it.
    if (injections.contains("SIGKILL")) {
        ASSERT_TRUE(killed->exitStatus() == QProcess::CrashExit || killed->exitCode() == 128 + SIGKILL)
            << "the step was not reached";
    } else {
        ASSERT_EQ(killed->exitCode(), 1) << "the save did not fail";
    }
    EXPECT_TRUE(readBytes(file) == row.file);
    QStringList left = entries(dir.path());
    for (const QString& name : others) left.removeOne(name);
    EXPECT_EQ(left.size(), row.left == Left::Nothing ? 0 : 1) << left.join(' ').toStdString();
    // The copy of the old bytes is the author's: the next save leaves it.
    const bool copy = row.left == Left::OldCopy && left.size() == 1 && left[0].startsWith("page.html.quillon-old-");
    EXPECT_EQ(copy, row.left == Left::OldCopy);
    if (copy) {
        EXPECT_TRUE(readBytes(dir.filePath(left[0])) == kOld);
        others << left[0];
        others.sort();
    }

    ASSERT_TRUE(storage::saveDocumentFile(file, "next", {}, nullptr));
    EXPECT_EQ(entries(dir.path()), others);
    if (row.linked) {
        EXPECT_EQ(readBytes(second), "next");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, KilledSave,
    testing::Values(
        KilledSaveRow{"creating_the_temporary_file", "openat:signal=SIGKILL:when=%1", false, kOld, Left::Nothing},
        KilledSaveRow{"writing_it", "write:signal=SIGKILL", false, kOld, Left::Nothing},
        KilledSaveRow{"syncing_it", "fsync:signal=SIGKILL", false, kOld, Left::Nothing},
        KilledSaveRow{"naming_it", "linkat:signal=SIGKILL", false, kOld, Left::Nothing},
        KilledSaveRow{"renaming_it_over_the_old_file", "rename,renameat,renameat2:signal=SIGKILL", false, kOld,
                      Left::Temporary},
        KilledSaveRow{"syncing_the_folder_after_the_rename", "fsync:signal=SIGKILL:when=2", false, kNew, Left::Nothing},
        // A file system without unnamed files: the temporary file has a
        // name from the start.
        KilledSaveRow{"writing_a_named_temporary_file", "openat:error=EOPNOTSUPP:when=%1 write:signal=SIGKILL", false,
                      kOld, Left::Temporary},
        // In place: the copy of the old bytes is unnamed until it is whole.
        KilledSaveRow{"in_place_creating_the_copy", "openat:signal=SIGKILL:when=%1", true, kOld, Left::Nothing},
        KilledSaveRow{"in_place_writing_the_copy", "write:signal=SIGKILL", true, kOld, Left::Nothing},
        KilledSaveRow{"in_place_naming_the_copy", "linkat:signal=SIGKILL", true, kOld, Left::Nothing},
        KilledSaveRow{"in_place_writing_the_file", "pwrite64:signal=SIGKILL:when=2", true, kMixed, Left::OldCopy},
        KilledSaveRow{"in_place_syncing_the_file", "fsync:signal=SIGKILL:when=2", true, kNew, Left::OldCopy},
        KilledSaveRow{"in_place_failing_to_write_the_file", "pwrite64:error=ENOSPC:when=2", true, kOld, Left::Nothing}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
