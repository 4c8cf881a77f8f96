// Recovery of unsaved work: an editor killed while typing (a real process,
// SIGKILL) has its text offered at the next start; a recovery file that cannot
// be written costs one line on stderr, nothing else.
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <algorithm>

#include "MainWindowFixture.h"
#include "app/Recovery.h"
#include "storage/DocumentFile.h"
#include "storage/RecoveryFile.h"

using interaction::Answer;

namespace {

std::optional<storage::RecoveredText> recoveryFile(const QString& file)
{
    std::string bytes;
    if (!storage::readFileBytes(file, &bytes, nullptr)) return std::nullopt;
    return storage::decodeRecovery(std::move(bytes));
}

}  // namespace

// Run in a process of its own by the test below: opens the file it is given,
// types, and waits to be killed.
TEST(RecoveryChildProcess, TypesAndWaitsToBeKilled)
{
    if (qEnvironmentVariableIsEmpty("QUILLON_TEST_STATE")) GTEST_SKIP() << "started by KilledWhileTyping...";
    qputenv("XDG_STATE_HOME", qgetenv("QUILLON_TEST_STATE"));
    testing_support::ScriptedInteraction ui;
    app::TfrmMain window;
    window.start({qEnvironmentVariable("QUILLON_TEST_OPEN")});
    QTest::keyClicks(&window.editor(), QStringLiteral("typed "));
    EXPECT_FALSE(QTest::qWaitFor([] { return false; }, 60000)) << "not killed";
}

TEST_F(MainWindowTest, KilledWhileTypingTheNextStartOffersTheText)
{
    const QString page = writeFile(QStringLiteral("page.html"), "<p>saved</p>\n");
    QProcess editor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUILLON_TEST_OPEN"), page);
    env.insert(QStringLiteral("QUILLON_TEST_STATE"), qEnvironmentVariable("XDG_STATE_HOME"));
    env.insert(QStringLiteral("TMPDIR"), home());  // a killed process leaves its temporary home
    editor.setProcessEnvironment(env);
    editor.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=RecoveryChildProcess.*"});
    ASSERT_TRUE(editor.waitForStarted());
    const QString file = storage::recoveryFileOf(editor.processId());
    const std::string typed = "typed <p>saved</p>\r\n";
    ASSERT_TRUE(QTest::qWaitFor([&] { return recoveryFile(file) && recoveryFile(file)->text == typed; }, 30000));
    start();
    EXPECT_TRUE(ui.shown.empty()) << "the file of a running editor is its own";
    editor.kill();
    editor.waitForFinished();
    const auto question = [&] {
        return "Quillon Pro was not closed properly. Recover the unsaved text of " + page + " (saved at " +
               QLocale().toString(QFileInfo(file).lastModified(), QLocale::ShortFormat) + ")?";
    };
    const QString spare = home() + "/spare";
    ASSERT_TRUE(QFile::copy(file, spare));

    ui.answer(Answer::Yes);
    const QString asked = question();
    start();
    EXPECT_EQ(ui.texts(), QStringList{asked});
    EXPECT_EQ(text(), typed);
    EXPECT_EQ(caption(), page + " - Quillon Pro");
    EXPECT_TRUE(window->editor().isModified());
    const QString own = storage::recoveryFileOf(QCoreApplication::applicationPid());
    EXPECT_TRUE(recoveryFile(own) && recoveryFile(own)->text == typed) << "taken over by this editor";
    run("FileSaveClick");
    EXPECT_EQ(readFile(page), "typed <p>saved</p>\n") << "under its name, in its format";
    EXPECT_FALSE(QFile::exists(own)) << "gone once saved";

    // No deletes it.
    ASSERT_TRUE(QFile::rename(spare, file));
    ui.answer(Answer::No);
    const QString askedAgain = question();
    start();
    EXPECT_EQ(ui.texts(), QStringList({asked, askedAgain}));
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(window->editor().isModified());
    EXPECT_EQ(QDir(storage::recoveryFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(MainWindowTest, ASnapshotThatCannotBeWrittenIsOneLineOnStderrAndNothingElse)
{
    writeFile(QStringLiteral("state"), "a file, not a folder");
    qputenv("XDG_STATE_HOME", (home() + "/state").toUtf8());
    start();
    type(QStringLiteral("typed"));
    testing::internal::CaptureStderr();
    for (int i = 0; i < 3; ++i) {
        window->recovery().snapshot();
        window->recovery().waitForWrite();
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find(qt_error_string(ENOTDIR).toStdString()), std::string::npos) << err;
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(text(), "typed");
}
