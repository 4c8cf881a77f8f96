// Recovery of unsaved work: an editor killed while typing (a real process,
// SIGKILL) has its text offered at the next start, kept where only its owner
// can read it; a recovery file that cannot be written costs one line on
// stderr, nothing else.
#include <QLocale>
#include <algorithm>

#include "app/Recovery.h"
#include "storage/DocumentFile.h"
#include "storage/RecoveryFile.h"
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

// The text of an editor killed while typing (its snapshot private to its
// owner, also in a folder an earlier version left open) is its own while it
// runs, then offered at the next start; recovered, it is this editor's until
// saved under its name and in its format.
TEST_F(MainWindowTest, KilledWhileTypingTheNextStartOffersTheText)
{
    QDir().mkpath(home() + "/my pages");
    const QString page = writeFile(QStringLiteral("my pages/page.html"), "<p>saved</p>\n");
    const QString folder = storage::recoveryFolder();
    QDir().mkpath(folder);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    QProcess editor;
    editor.start(QStringLiteral(QUILLON_EDITOR_HELPER), {QStringLiteral("type-and-wait"), page});
    ASSERT_TRUE(editor.waitForStarted());
    const QString file = storage::recoveryFileOf(editor.processId());
    const std::string typed = "typed <p>saved</p>\r\n";
    ASSERT_TRUE(QTest::qWaitFor([&] { return recoveryFile(file) && recoveryFile(file)->text == typed; }, 30000));
    EXPECT_EQ(std::pair(modeOf(folder), modeOf(file)), std::pair(0700u, 0600u));
    start();
    EXPECT_TRUE(ui.shown.empty()) << "the file of a running editor is its own";
    editor.kill();
    editor.waitForFinished();
    ui.choice(0);
    const QString saved = QLocale().toString(QFileInfo(file).lastModified(), QLocale::ShortFormat);
    start();
    EXPECT_EQ(ui.texts(), QStringList{"Quillon Pro was not closed properly. Recover the unsaved text of \"" + page +
                                      "\" (saved at " + saved + ")?"});
    EXPECT_EQ(ui.lastButtons, QStringList({"Recover", "Discard"}));
    EXPECT_EQ(std::pair(text(), body().isModified()), std::pair(typed, true));
    EXPECT_EQ(caption(), page + " - Quillon Pro");
    const QString own = storage::recoveryFileOf(QCoreApplication::applicationPid());
    EXPECT_TRUE(recoveryFile(own) && recoveryFile(own)->text == typed) << "taken over by this editor";
    run("FileSaveClick");
    EXPECT_EQ(readFile(page), "typed <p>saved</p>\n");
    EXPECT_FALSE(QFile::exists(own)) << "gone once saved";
}

// Esc or the close box decide nothing: the file stays and the next start asks
// again; only Discard deletes it.
TEST_F(MainWindowTest, OnlyDiscardDeletesTheTextOfAKilledEditor)
{
    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForStarted());
    const QString file = storage::recoveryFileOf(gone.processId());
    gone.waitForFinished();
    QDir().mkpath(storage::recoveryFolder());
    faults::writeBytes(file, storage::encodeRecovery({home() + "/page.html", {}}, "lost"));
    for (const int choice : {-1, 1}) {
        ui.choice(choice);
        start();
        EXPECT_EQ(std::pair(text(), body().isModified()), std::pair(std::string(), false));
        EXPECT_EQ(QFile::exists(file), choice == -1);
    }
    EXPECT_EQ(ui.shown.size(), 2u);
}

// A snapshot written over a file another user may read makes it private again.
TEST_F(MainWindowTest, ASnapshotIsPrivateToItsOwner)
{
    start();
    type(QStringLiteral("typed"));
    const QString own = storage::recoveryFileOf(QCoreApplication::applicationPid());
    window->recovery().snapshot();
    window->recovery().waitForWrite();
    ASSERT_EQ(::chmod(QFile::encodeName(own).constData(), 0644), 0);
    window->recovery().snapshot();
    window->recovery().waitForWrite();
    EXPECT_EQ(modeOf(own), 0600u);
    body().setModified(false);
}

// A file in the place of a folder, and a read-only file system: one line on
// stderr with the reason, nothing else.
TEST_F(MainWindowTest, ASnapshotThatCannotBeWrittenIsOneLineOnStderr)
{
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
        window->bodyControl().setModified(false);
        window.reset();
    }
}
