// A save killed (SIGKILL) at each of its steps, in a process of its own
// (child/SaveChild.cpp) run under strace, which delivers the signal as the
// step's system call begins: the file is then the old or the new one, byte for
// byte, and what the killed save left is gone after the next save into the
// folder. Skipped, with a notice, where strace is missing or may not trace.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <memory>

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "storage/DocumentFile.h"
#include "support/FileFaults.h"
#include "support/Rows.h"

namespace {

using faults::entries;
using faults::readBytes;

const std::string kOld(1 << 20, 'o');
const std::string kNew(1 << 20, 'n');

struct KilledSaveRow {
    const char* name;
    const char* injections;  // strace's -e inject=...; %1 is the count of the O_TMPFILE open
    bool newFile;            // the file holds the new content afterwards
    bool leftover;           // the killed save left its temporary file
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

TEST_P(KilledSave, LeavesTheOldOrTheNewFileAndTheNextSaveCleansUp)
{
    if (QProcess::execute(QStringLiteral("strace"), {"-o", "/dev/null", "true"}) != 0)
        GTEST_SKIP() << "NOTICE: strace is missing or may not trace here (scripts/setup installs it)";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.html"));
    faults::writeBytes(file, kOld);
    // Neither a save in progress in a running process nor a file of the
    // author's shaped like QSaveFile's temporary files is a leftover.
    const QString running = QStringLiteral(".quillon-save-%1-aBcDeF").arg(::getpid());
    faults::writeBytes(dir.filePath(running), "in progress");
    faults::writeBytes(dir.filePath(QStringLiteral("page.html.backup")), "mine");
    const QStringList others = {running, QStringLiteral("page.html"), QStringLiteral("page.html.backup")};

    // Which open of the child's makes the temporary file: from a run unhindered.
    const QStringList opens = QString::fromLocal8Bit(strace({"-e", "trace=openat"}, file, kOld)->readAllStandardError())
                                  .split('\n')
                                  .filter("openat(");
    const qsizetype tmpfile = opens.indexOf(QRegularExpression(".*O_TMPFILE.*")) + 1;
    ASSERT_GT(tmpfile, 0) << "the save opens no unnamed file";

    QStringList options = {"-o", "/dev/null"};
    for (const QString& inject : QString::fromLatin1(GetParam().injections).split(' '))
        options << "-e"
                << "inject=" + QString(inject).replace("%1", QString::number(tmpfile));
    const auto killed = strace(options, file, kNew);
    // strace ends as its child did: by the same signal, or with 128 + it.
    ASSERT_TRUE(killed->exitStatus() == QProcess::CrashExit || killed->exitCode() == 128 + SIGKILL)
        << "the step was not reached";
    EXPECT_TRUE(readBytes(file) == (GetParam().newFile ? kNew : kOld));
    const QStringList left = entries(dir.path());
    EXPECT_EQ(left.size(), others.size() + GetParam().leftover) << left.join(' ').toStdString();

    ASSERT_TRUE(storage::saveDocumentFile(file, "next", {}, nullptr));
    EXPECT_EQ(entries(dir.path()), others);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, KilledSave,
    testing::Values(KilledSaveRow{"creating_the_temporary_file", "openat:signal=SIGKILL:when=%1", false, false},
                    KilledSaveRow{"writing_it", "write:signal=SIGKILL", false, false},
                    KilledSaveRow{"syncing_it", "fsync:signal=SIGKILL", false, false},
                    KilledSaveRow{"naming_it", "linkat:signal=SIGKILL", false, false},
                    KilledSaveRow{"renaming_it_over_the_old_file", "rename,renameat,renameat2:signal=SIGKILL", false,
                                  true},
                    KilledSaveRow{"syncing_the_folder_after_the_rename", "fsync:signal=SIGKILL:when=2", true, false},
                    // A file system without unnamed files: the temporary file
                    // has a name from the start.
                    KilledSaveRow{"writing_a_named_temporary_file",
                                  "openat:error=EOPNOTSUPP:when=%1 write:signal=SIGKILL", false, true}),
    testing_support::RowName());

}  // namespace
