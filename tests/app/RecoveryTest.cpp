// Recovery of unsaved work: the recovery file keeps path, format and text byte
// for byte; editors killed while typing (real processes, SIGKILL) have their
// text offered at the next start; the file goes when the text is saved, and a
// file that cannot be written costs one line on stderr, nothing else.
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <map>

#include "MainWindowFixture.h"
#include "app/Recovery.h"
#include "storage/DocumentFile.h"

using interaction::Answer;

namespace {

std::optional<app::RecoveredText> recoveryFile(const QString& file)
{
    std::string bytes;
    if (!storage::readFileBytes(file, &bytes, nullptr)) return std::nullopt;
    return app::decodeRecovery(std::move(bytes));
}

}  // namespace

TEST(RecoveryFile, KeepsPathFormatAndTextByteForByteAndRefusesAnythingElse)
{
    const std::string text("a\0b\r\n\xE9\xFF end", 11);
    const storage::DocumentFormat cp1252Lf{storage::Encoding::Windows1252, storage::LineBreaks::Lf};
    for (const QString& path : {QString(), QStringLiteral("/web/page.html"), QStringLiteral("/web/a\nb %1 .html"),
                                QFile::decodeName("/web/\xFF\xFE.html")})
        for (const storage::DocumentFormat& format : {storage::DocumentFormat{}, cp1252Lf}) {
            const auto back = app::decodeRecovery(app::encodeRecovery({path, format}, text));
            ASSERT_TRUE(back) << path.toStdString();
            EXPECT_EQ(back->name.path, path);
            EXPECT_EQ(back->name.format, format);
            EXPECT_EQ(back->text, text);
        }
    for (const char* damaged :
         {"", "text", "QUILLON-RECOVERY 1 utf-8 crlf 2\n/p", "QUILLON-RECOVERY 1 utf-8 crlf 9\n/p\nx",
          "QUILLON-RECOVERY 2 utf-8 crlf 2\n/p\nx", "QUILLON-RECOVERY 1 utf-16 crlf 2\n/p\nx",
          "QUILLON-RECOVERY 1 utf-8 cr 2\n/p\nx", "QUILLON-RECOVERY 1 utf-8 crlf -2\n/p\nx"})
        EXPECT_FALSE(app::decodeRecovery(damaged)) << damaged;
}

// Run in a process of its own by the test below: opens the file it is given
// (or none), types, and waits to be killed.
TEST(RecoveryChildProcess, TypesAndWaitsToBeKilled)
{
    const QString typed = qEnvironmentVariable("QUILLON_TEST_TYPE");
    if (typed.isEmpty()) GTEST_SKIP() << "started by KilledWhileTypingTheNextStartOffersTheText";
    qputenv("XDG_STATE_HOME", qgetenv("QUILLON_TEST_STATE"));
    testing_support::ScriptedInteraction ui;
    app::TfrmMain window;
    const QString file = qEnvironmentVariable("QUILLON_TEST_OPEN");
    window.start(file.isEmpty() ? QStringList() : QStringList{file});
    QTest::keyClicks(&window.editor(), typed);
    EXPECT_FALSE(QTest::qWaitFor([] { return false; }, 60000)) << "not killed";
}

TEST_F(MainWindowTest, KilledWhileTypingTheNextStartOffersTheText)
{
    // Two editors, one with a file open and one untitled, each killed after
    // its snapshot. By the name the question shows: what was typed, what the
    // editor held, its recovery file.
    const QString page = writeFile(QStringLiteral("page.html"), "<p>saved</p>\n");
    struct Editor {
        QString typed;
        std::string held;
        std::unique_ptr<QProcess> process;
        QString file;
    };
    std::map<QString, Editor> editors;
    editors[page] = {QStringLiteral("typed "), "typed <p>saved</p>\r\n", nullptr, {}};
    editors[QStringLiteral("untitled.html")] = {QStringLiteral("new text"), "new text", nullptr, {}};
    for (auto& [name, editor] : editors) {
        editor.process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUILLON_TEST_TYPE"), editor.typed);
        env.insert(QStringLiteral("QUILLON_TEST_OPEN"), name == page ? page : QString());
        env.insert(QStringLiteral("QUILLON_TEST_STATE"), qEnvironmentVariable("XDG_STATE_HOME"));
        editor.process->setProcessEnvironment(env);
        editor.process->start(QCoreApplication::applicationFilePath(), {"--gtest_filter=RecoveryChildProcess.*"});
        ASSERT_TRUE(editor.process->waitForStarted());
        editor.file = app::recoveryFileOf(editor.process->processId());
    }
    for (auto& [name, editor] : editors)
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const auto snapshot = recoveryFile(editor.file);
                return snapshot && snapshot->text == editor.held;
            },
            30000))
            << name.toStdString();
    // The files of running editors are theirs.
    start();
    EXPECT_TRUE(ui.shown.empty());
    std::map<QString, QString> question;
    for (auto& [name, editor] : editors) {
        editor.process->kill();
        editor.process->waitForFinished();
        question[name] = "Quillon Pro was not closed properly. Recover the unsaved text of " + name + " (saved at " +
                         QLocale().toString(QFileInfo(editor.file).lastModified(), QLocale::ShortFormat) + ")?";
    }

    // Yes: the newest becomes the document, modified, under its name.
    ui.answer(Answer::Yes);
    start();
    ASSERT_EQ(ui.shown.size(), 1u);
    const QString recovered = ui.shown[0].text.contains(page) ? page : QStringLiteral("untitled.html");
    EXPECT_EQ(ui.shown[0].text, question[recovered]);
    EXPECT_EQ(text(), editors[recovered].held);
    EXPECT_EQ(caption(), recovered + " - Quillon Pro");
    EXPECT_EQ(window->documentPath(), recovered == page ? page : QString());
    EXPECT_TRUE(window->editor().isModified());
    const QString own = app::recoveryFileOf(QCoreApplication::applicationPid());
    ASSERT_TRUE(recoveryFile(own)) << "taken over by this editor";
    EXPECT_EQ(recoveryFile(own)->text, editors[recovered].held);
    window->editor().setModified(false);
    EXPECT_FALSE(QFile::exists(own));

    // No: the other one is deleted, the document stays empty.
    ui.answer(Answer::No);
    start();
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].text, question[recovered == page ? QStringLiteral("untitled.html") : page]);
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(window->editor().isModified());
    EXPECT_EQ(QDir(app::recoveryFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(MainWindowTest, TheSnapshotGoesWhenSavedAndAFailureIsOneLineOnStderr)
{
    const QString page = writeFile(QStringLiteral("page.html"), "old");
    start({page});
    type(QStringLiteral("new "));
    app::Recovery& recovery = window->recovery();
    recovery.snapshot();
    recovery.waitForWrite();
    const QString own = app::recoveryFileOf(QCoreApplication::applicationPid());
    const auto snapshot = recoveryFile(own);
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(snapshot->name.path, page);
    EXPECT_EQ(snapshot->text, "new old");
    run("FileSaveClick");
    EXPECT_FALSE(QFile::exists(own));

    // A state folder that cannot be made: reported once, and nobody else notices.
    writeFile(QStringLiteral("state"), "a file, not a folder");
    qputenv("XDG_STATE_HOME", (home() + "/state").toUtf8());
    start({page});
    type(QStringLiteral("more "));
    testing::internal::CaptureStderr();
    for (int i = 0; i < 3; ++i) {
        window->recovery().snapshot();
        window->recovery().waitForWrite();
    }
    const QString err = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(qt_error_string(ENOTDIR))) << err.toStdString();
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(text(), "more new old");
}
