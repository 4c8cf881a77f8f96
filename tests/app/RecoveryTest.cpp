// Recovery of unsaved work: an editor killed while typing (a real process,
// SIGKILL) has its text offered at the next start, kept where only its owner
// can read it; a recovery file that cannot be written costs one line on
// stderr, nothing else.
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <algorithm>

#include <sys/stat.h>

#include "app/Recovery.h"
#include "storage/DocumentFile.h"
#include "storage/RecoveryFile.h"
#include "support/FileFaults.h"
#include "support/MainWindowFixture.h"

namespace {

std::optional<storage::RecoveredText> recoveryFile(const QString& file)
{
    std::string bytes;
    if (!storage::readFileBytes(file, &bytes, nullptr)) return std::nullopt;
    return storage::decodeRecovery(std::move(bytes));
}

// The permission bits, as other users meet them.
unsigned modeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

}  // namespace

TEST_F(MainWindowTest, KilledWhileTypingTheNextStartOffersTheText)
{
    QDir().mkpath(home() + "/my pages");
    const QString page = writeFile(QStringLiteral("my pages/page.html"), "<p>saved</p>\n");
    // A folder an earlier version left open to others.
    const QString folder = storage::recoveryFolder();
    QDir().mkpath(folder);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    QProcess editor;
    editor.start(QStringLiteral(QUILLON_EDITOR_HELPER), {QStringLiteral("type-and-wait"), page});
    ASSERT_TRUE(editor.waitForStarted());
    const QString file = storage::recoveryFileOf(editor.processId());
    const std::string typed = "typed <p>saved</p>\r\n";
    ASSERT_TRUE(QTest::qWaitFor([&] { return recoveryFile(file) && recoveryFile(file)->text == typed; }, 30000));
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(modeOf(file), 0600u);
    start();
    EXPECT_TRUE(ui.shown.empty()) << "the file of a running editor is its own";
    editor.kill();
    editor.waitForFinished();
    const auto question = [&] {
        return "Quillon Pro was not closed properly. Recover the unsaved text of \"" + page + "\" (saved at " +
               QLocale().toString(QFileInfo(file).lastModified(), QLocale::ShortFormat) + ")?";
    };
    const QString spare = home() + "/spare";
    ASSERT_TRUE(QFile::copy(file, spare));

    ui.choice(0);
    const QString asked = question();
    start();
    EXPECT_EQ(ui.texts(), QStringList{asked});
    EXPECT_EQ(ui.lastButtons, QStringList({"Recover", "Discard"}));
    EXPECT_EQ(text(), typed);
    EXPECT_EQ(caption(), page + " - Quillon Pro");
    EXPECT_TRUE(window->editor().isModified());
    const QString own = storage::recoveryFileOf(QCoreApplication::applicationPid());
    EXPECT_TRUE(recoveryFile(own) && recoveryFile(own)->text == typed) << "taken over by this editor";
    EXPECT_EQ(modeOf(own), 0600u);
    ::chmod(QFile::encodeName(own).constData(), 0644);
    window->recovery().snapshot();
    window->recovery().waitForWrite();
    EXPECT_EQ(modeOf(own), 0600u) << "a snapshot over a file open to others";
    run("FileSaveClick");
    EXPECT_EQ(readFile(page), "typed <p>saved</p>\n") << "under its name, in its format";
    EXPECT_FALSE(QFile::exists(own)) << "gone once saved";

    // Esc or the close box decide nothing: the file stays and the next
    // start asks again; only Discard deletes it.
    ASSERT_TRUE(QFile::rename(spare, file));
    const QString askedAgain = question();
    for (const int choice : {-1, 1}) {
        ui.choice(choice);
        start();
        EXPECT_EQ(text(), "");
        EXPECT_FALSE(window->editor().isModified());
        EXPECT_EQ(QFile::exists(file), choice == -1);
    }
    EXPECT_EQ(ui.texts(), QStringList({asked, askedAgain, askedAgain}));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(MainWindowTest, ASnapshotThatCannotBeWrittenIsOneLineOnStderrWithItsReasonAndNothingElse)
{
    // A file in the place of a folder, and a read-only file system.
    writeFile(QStringLiteral("state"), "a file, not a folder");
    QDir().mkpath(home() + "/read-only");
    const faults::SmallTmpfs readOnly(home() + "/read-only", 64, true);
    const std::pair<const char*, int> cases[] = {{"/state", ENOTDIR}, {"/read-only", EROFS}};
    for (const auto& [state, error] : cases) {
        SCOPED_TRACE(state);
        if (error == EROFS && !readOnly.mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
        qputenv("XDG_STATE_HOME", (home() + state).toUtf8());
        start();
        type(QStringLiteral("typed"));
        testing::internal::CaptureStderr();
        for (int i = 0; i < 3; ++i) {
            window->recovery().snapshot();
            window->recovery().waitForWrite();
        }
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find(qt_error_string(error).toStdString()), std::string::npos) << err;
        EXPECT_TRUE(ui.shown.empty());
        EXPECT_EQ(text(), "typed");
        window->editor().setModified(false);
        window.reset();
    }
}
