// The life of the document through the real window: start-up from the command
// line, Open, Save, Save As, the questions about changes and overwriting,
// failed saves and loads, a file another program changed, and the close.

#include <QStatusBar>

#include "app/RecentFiles.h"
#include "app/StatusPanels.h"
#include "files/SidePanel.h"
#include "support/MainWindowFixture.h"

using interaction::Answer;
using interaction::MessageKind;

namespace {

template <typename T>
T stored(const settings::Setting<T>& s)
{
    return settings::SettingsStore().read(s);
}

// The document the window shows: its text, its file (none: untitled, as the
// caption says too) and modified flag.
void expectDocument(app::TfrmMain& w, const std::string& text, const QString& path, bool modified)
{
    EXPECT_EQ(std::tuple(w.bodyControl().text(), w.DocumentPath(), w.bodyControl().isModified()),
              std::tuple(text, path, modified));
    EXPECT_EQ(w.windowTitle(), (path.isEmpty() ? QStringLiteral("untitled.html") : path) + " - Quillon Pro");
}

const QString kChangedElsewhere = "\" was changed by another program after it was opened or last saved here.\n";

}  // namespace

// The file named on the command line opens (not added to the recent files); a
// missing one is reported, a folder is an error. A file of one or two line
// breaks shows empty, any other tiny file as it is, and saves as shown.
TEST_F(MainWindowTest, TheCommandLinesFileOpens)
{
    writeFile(QStringLiteral("my page.html"), "<p>hello</p>\r\n");
    start({QStringLiteral("my"), QStringLiteral("page.html")});
    expectDocument(*window, "<p>hello</p>\r\n", home() + "/my page.html", false);
    EXPECT_EQ(stored(settings::mru::file(0)), QString());
    start({QStringLiteral("gone.html")});
    QDir().mkdir(QStringLiteral("folder.html"));
    start({QStringLiteral("folder.html")});
    ASSERT_EQ(ui.texts().value(0), "Quillon Pro can't find " + home() + "/gone.html");
    EXPECT_EQ(ui.shown.at(1).kind, MessageKind::Error);
    expectDocument(*window, "", {}, false);
    for (const auto& [bytes, shown] :
         {std::pair<QByteArray, std::string>{"\r\n", ""}, {"\n", ""}, {"ok", "ok"}, {"a\n", "a\r\n"}}) {
        const QString path = writeFile(QStringLiteral("tiny.html"), bytes);
        start({QStringLiteral("tiny.html")});
        EXPECT_EQ(text(), shown);
        run("FileSaveClick");
        EXPECT_EQ(readFile(path), shown.empty() ? QByteArray() : bytes) << bytes.toStdString();
    }
}

// Browse starts in the folder of the last open; a file that cannot be opened
// or saved is one error naming it and leaves the document as it was.
TEST_F(MainWindowTest, AFailedOpenOrSaveLeavesTheDocument)
{
    QDir().mkpath(QStringLiteral("web/folder.html"));
    const QString path = writeFile(QStringLiteral("web/a.html"), "<b>a</b>");
    start();
    ui.fileName(path);
    run("FileOpenClick");
    expectDocument(*window, "<b>a</b>", path, false);
    EXPECT_EQ(stored(settings::user::kLastDir), home() + "/web");
    type(QStringLiteral("!"));
    ui.answer(Answer::No);
    ui.fileName(home() + QStringLiteral("/web/folder.html"));
    run("FileOpenClick");
    EXPECT_EQ(ui.lastFolder, home() + QStringLiteral("/web"));
    ui.fileName(home() + QStringLiteral("/no/such/folder/x.html"));
    run("FileSaveAsClick");
    EXPECT_EQ(ui.fileDialogTitles, QStringList({"Browse", "Browse", "Save As"}));
    ASSERT_EQ(ui.shown.size(), 3u);
    EXPECT_TRUE(ui.texts()[1].contains(home() + "/web/folder.html") && ui.texts()[1].endsWith(qt_error_string(EISDIR)));
    EXPECT_TRUE(ui.texts()[2].contains(home() + "/no/such/folder") && ui.texts()[2].endsWith(qt_error_string(ENOENT)));
    expectDocument(*window, "!<b>a</b>", path, true);
}

// A No at the question, then a cancelled dialog, leaves an empty untitled
// document, which Save never writes over the old file.
TEST_F(MainWindowTest, ACancelledOpenAfterNoLeavesAnEmptyUntitledDocument)
{
    const QString path = writeFile(QStringLiteral("a.html"), "<b>a</b>");
    start({path});
    type(QStringLiteral("!"));
    ui.answer(Answer::No);
    run("FileOpenClick");
    EXPECT_EQ(ui.texts(), QStringList{"Save Changes to a.html?"});
    expectDocument(*window, "", {}, false);
    run("FileSaveClick");
    EXPECT_EQ(ui.fileDialogTitles.last(), QStringLiteral("Save As"));
    EXPECT_EQ(readFile(path), QByteArray("<b>a</b>"));
}

// Saving over an existing file asks; ".html" goes on a file name without a
// dot, also in a folder with one.
TEST_F(MainWindowTest, SaveAsAsksBeforeOverwritingAndAppendsHtml)
{
    const QString existing = writeFile(QStringLiteral("there.html"), "precious");
    QDir().mkdir(QStringLiteral("example.com"));
    start();
    type(QStringLiteral("new"));
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        ui.fileName(existing);
        ui.answer(answer);
        run("FileSaveClick");
        EXPECT_EQ(readFile(existing), answer == Answer::Yes ? "new" : "precious");
    }
    EXPECT_EQ(ui.shown.size(), 2u);
    ui.fileName(home() + QStringLiteral("/example.com/page"));
    run("FileSaveAsClick");
    expectDocument(*window, "new", home() + "/example.com/page.html", false);
    EXPECT_EQ(readFile(home() + QStringLiteral("/example.com/page.html")), QByteArray("new"));
}

// A file that cannot hold a character typed is saved as UTF-8 only when the
// author agrees, and after that asks no more: a Windows-1252 file; a page
// declaring KOI8-R, whose declaration becomes UTF-8 as one undoable edit of
// the save, undone when the save fails, so that the file reads back as
// written.
TEST_F(MainWindowTest, AFileThatCannotHoldTheTextIsOfferedUtf8)
{
    const QString old = writeFile(QStringLiteral("old.html"), "caf\xE9\n");
    const QString koi8 = writeFile(QStringLiteral("koi8.html"), "<meta charset=koi8-r>\xC1\n");
    for (const QString& path : {old, koi8}) {
        const QByteArray before = readFile(path);
        start({path});
        body().setSelection(body().length(), 0);
        body().replaceSelection("\xE4\xB8\xAD");  // U+4E2D
        const std::string typed = text();
        ui.answer(path == old ? Answer::No : Answer::Yes);
        if (path == koi8) ui.fileName(home() + QStringLiteral("/missing/koi8.html"));
        run(path == old ? "FileSaveClick" : "FileSaveAsClick");
        EXPECT_EQ(std::tuple(text(), body().isModified(), readFile(path)), std::tuple(typed, true, before))
            << "a failed or refused save keeps the text";
        ui.answer(Answer::Yes);
        run("FileSaveClick");
        run("FileSaveClick");
    }
    ASSERT_EQ(ui.shown.size(), 5u) << "Windows-1252: No, Yes; KOI8-R: Yes, the failure, Yes";
    EXPECT_TRUE(ui.texts()[0].contains("Windows-1252") && ui.texts()[0].contains("U+4E2D"));
    EXPECT_TRUE(ui.texts()[2].contains("\"koi8-r\" to \"utf-8\"")) << ui.texts()[2].toStdString();
    EXPECT_EQ(readFile(old), QByteArray("caf\xC3\xA9\n\xE4\xB8\xAD"));
    const std::string declared = "<meta charset=utf-8>\xD0\xB0\r\n\xE4\xB8\xAD";  // U+0430, U+4E2D
    expectDocument(*window, declared, koi8, false);
    const storage::LoadedDocument back = storage::decodeDocument(readFile(koi8).toStdString());
    EXPECT_EQ(back.text, declared);
    EXPECT_EQ(back.format, (storage::DocumentFormat{storage::Encoding::Utf8, storage::LineBreaks::Lf}));
    body().undo();
    EXPECT_EQ(text(), "<meta charset=koi8-r>\xD0\xB0\r\n\xE4\xB8\xAD");
}

// A declaration that cannot be followed is said once: in the status bar, or
// in a box while the bar is hidden.
TEST_F(MainWindowTest, ADeclarationNotFollowedIsSaidOnce)
{
    const std::string contradicted = "<meta charset=utf-8>caf\xE9";
    const QString notice = storage::declarationNotice(storage::decodeDocument(contradicted).format);
    const QString bad = writeFile(QStringLiteral("bad.html"), QByteArray::fromStdString(contradicted));
    start({bad});
    EXPECT_EQ(window->statusBar()->currentMessage(), notice);
    EXPECT_TRUE(ui.shown.empty());
    window->status().setShown(false);
    ASSERT_TRUE(window->openDocument(bad));
    EXPECT_EQ(ui.texts(), QStringList{notice});
}

// Cancel at the save-changes question changes nothing: text, name, caption
// and modified flag.
TEST_F(MainWindowTest, CancelAtTheSaveChangesQuestionChangesNothing)
{
    const QString path = writeFile(QStringLiteral("doc.html"), "doc");
    app::AddRecentFile(writeFile(QStringLiteral("other.html"), "other"));
    start({path});
    type(QStringLiteral("edit "));
    for (const char* command : {"FileNewClick", "FileOpenClick", "mru1Click", "FileExitClick"}) {
        SCOPED_TRACE(command);
        ui.answer(Answer::Cancel);
        run(command);
        expectDocument(*window, "edit doc", path, true);
    }
    EXPECT_EQ(ui.shown.size(), 4u);
    EXPECT_TRUE(ui.fileDialogTitles.isEmpty());
}

// A Yes saves through the Save As dialog even when the document has a name;
// when that save does not write, the command is abandoned (and a window
// closing stays).
TEST_F(MainWindowTest, YesAtTheSaveChangesQuestionSavesAs)
{
    const QString path = writeFile(QStringLiteral("doc.html"), "doc");
    const QString missing = home() + QStringLiteral("/missing/x.html");
    start({path});
    type(QStringLiteral("edit "));
    ui.answer(Answer::Yes);
    ui.fileName(missing);
    run("FileNewClick");
    expectDocument(*window, "edit doc", path, true);
    ui.answer(Answer::Yes);
    ui.fileName(home() + QStringLiteral("/copy.html"));
    run("FileNewClick");
    EXPECT_EQ(ui.fileDialogTitles, QStringList({"Save As", "Save As"}));
    EXPECT_EQ(readFile(home() + QStringLiteral("/copy.html")), QByteArray("edit doc"));
    EXPECT_EQ(readFile(path), QByteArray("doc"));
    expectDocument(*window, "", {}, false);
    type(QStringLiteral("unsaved"));
    ui.answer(Answer::Yes);
    ui.fileName(missing);
    EXPECT_FALSE(window->close());
}

// The state is stored also when the close is cancelled, with the normal bounds
// of a maximised window; the close erases the settings of earlier versions and
// stores the side panel's folder.
TEST_F(MainWindowTest, TheCloseStoresTheState)
{
    {
        settings::SettingsStore s;
        s.write(settings::window::kWidth, 600);
        s.write(settings::window::kMaximised, true);
        for (const char* old : {"Quillon 1.2", "Quillon 2.0"})
            settings::SettingsStore(QString::fromLatin1(old)).WriteString("user", "name", "old");
    }
    QDir().mkdir(QStringLiteral("site"));
    start();
    EXPECT_TRUE(window->isMaximized());
    window->sidePanel()->setFolder(home() + QStringLiteral("/site"));
    type(QStringLiteral("x"));
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(std::pair(stored(settings::window::kMaximised), stored(settings::window::kWidth)), std::pair(true, 600));
    body().setModified(false);
    EXPECT_TRUE(window->close());
    for (const char* old : {"Quillon 1.2", "Quillon 2.0"})
        EXPECT_FALSE(QFileInfo::exists(settings::SettingsStore::pathOf(old))) << old;
    EXPECT_EQ(stored(settings::user::kDir), home() + "/site");
}

// A pipe in the place of the settings file, or of the lock file the store
// takes while it writes: the window comes up and closes as it always does (a
// read or write that waited for the other end would hold the test until
// CTest's timeout), and the pipe stays.
TEST_F(MainWindowTest, APipeInThePlaceOfTheSettingsFilesStopsNothing)
{
    const QString file = settings::SettingsStore::pathOf("Quillon");
    for (const QString& pipe : {file, file + ".lock"}) {
        SCOPED_TRACE(pipe.toStdString());
        QDir(settings::SettingsStore::folder()).removeRecursively();
        QDir().mkpath(settings::SettingsStore::folder());
        if (pipe != file) faults::writeBytes(file, "");
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        start();
        EXPECT_TRUE(window->close());
        window.reset();
        struct stat st {};
        EXPECT_TRUE(::lstat(QFile::encodeName(pipe).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    }
}

// Two editors have the same file open and both save: the second is asked
// before it replaces the first one's version (Cancel writes nothing, Save As
// writes elsewhere). A file saved here is its own.
TEST_F(MainWindowTest, AFileChangedOnDiskIsNeverOverwrittenUnasked)
{
    const QString page = writeFile(QStringLiteral("page.html"), "<p>one</p>\n");
    start({page});
    type(QStringLiteral("mine "));
    QProcess other;
    other.start(QStringLiteral(QUILLON_EDITOR_HELPER), {QStringLiteral("type-and-save"), page});
    ASSERT_TRUE(other.waitForFinished(60000) && other.exitCode() == 0) << other.readAllStandardError().toStdString();
    const QByteArray theirs = readFile(page);
    ASSERT_EQ(theirs, "theirs <p>one</p>\n");
    ui.choice(2);
    run("FileSaveClick");
    EXPECT_EQ(ui.texts(), QStringList{"\"" + page + kChangedElsewhere +
                                      "Saving now would replace that version with this document."});
    EXPECT_EQ(ui.lastButtons, QStringList({"Overwrite", "Save As...", "Cancel"}));
    EXPECT_EQ(readFile(page), theirs);
    const QString mine = home() + QStringLiteral("/mine.html");
    ui.choice(1);
    ui.fileName(mine);
    run("FileSaveClick");
    EXPECT_EQ(readFile(mine), "mine <p>one</p>\n");
    EXPECT_EQ(readFile(page), theirs);
    type(QStringLiteral("!"));
    run("FileSaveClick");
    EXPECT_EQ(ui.shown.size(), 2u) << "a file saved here is this editor's own";
}

// A file replaced by a link to another file: the question names the file a
// save would overwrite, and Overwrite writes it through the link.
TEST_F(MainWindowTest, ALinkInThePlaceOfTheFileNamesItsTarget)
{
    const QString mine = writeFile(QStringLiteral("mine.html"), "mine");
    start({mine});
    const QString victim = writeFile(QStringLiteral("victim.html"), "precious");
    ASSERT_TRUE(QFile::remove(mine) && QFile::link(victim, mine));
    type(QStringLiteral("!"));
    ui.choice(2);
    run("FileSaveClick");
    EXPECT_TRUE(ui.texts().last().contains("link to \"" + victim + "\"")) << ui.texts().last().toStdString();
    EXPECT_TRUE(ui.texts().last().endsWith("overwrite \"" + victim + "\" with this document."));
    EXPECT_EQ(readFile(victim), "precious");
    ui.choice(0);
    run("FileSaveClick");
    EXPECT_EQ(readFile(victim), "!mine");
    EXPECT_TRUE(QFileInfo(mine).isSymLink());
}

// With no unsaved changes, the window coming back to the front offers a
// changed file for reloading, once per change; Reload keeps the caret's line
// and leaves nothing to undo, Keep This Text makes the next save write
// unasked; a reload that fails is said once. A modified document is offered
// nothing: its save asks.
TEST_F(MainWindowTest, AChangedFileIsOfferedForReloadingOnceWhenTheWindowIsActiveAgain)
{
    const QString page = writeFile(QStringLiteral("page.html"), "a\nb\nc\n");
    start({page});
    activate();
    body().setSelection(body().lineStart(2), 0);
    QWidget elsewhere;
    elsewhere.show();
    const auto comeBack = [&] {
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        activate();
        QCoreApplication::processEvents();  // the offer is queued after the activation
    };
    writeFile(QStringLiteral("page.html"), "A\nB\nC\nD\n");
    ui.choice(0);
    comeBack();
    comeBack();
    ASSERT_EQ(ui.texts(), QStringList{"\"" + page + kChangedElsewhere +
                                      "This document has no unsaved changes. Reload it from the file?"});
    EXPECT_EQ(ui.lastButtons, QStringList({"Reload", "Keep This Text"}));
    expectDocument(*window, "A\r\nB\r\nC\r\nD\r\n", page, false);
    EXPECT_EQ(body().lineFromPosition(body().caretPosition()), 2);
    EXPECT_FALSE(body().canUndo());
    writeFile(QStringLiteral("page.html"), "kept on disk");
    ui.choice(1);
    comeBack();
    run("FileSaveClick");
    EXPECT_EQ(readFile(page), "A\nB\nC\nD\n");
    ASSERT_TRUE(QFile::remove(page) && QDir().mkdir(page));
    ui.choice(0);
    comeBack();
    comeBack();
    EXPECT_EQ(ui.shown.size(), 4u) << "a reload that fails is offered and said once";
    ASSERT_TRUE(QDir().rmdir(page));
    type(QStringLiteral("!"));
    writeFile(QStringLiteral("page.html"), "changed while modified");
    comeBack();
    EXPECT_EQ(ui.shown.size(), 4u) << "a modified document is not offered a reload";
}

// A file that may be written in a folder where no file can be made: the
// failure is a question offering Save As, which saves elsewhere.
TEST_F(MainWindowTest, AFolderWhereNoFileCanBeMadeOffersSaveAs)
{
    QDir().mkdir(QStringLiteral("locked"));
    const QString page = writeFile(QStringLiteral("locked/page.html"), "old");
    const QString elsewhere = home() + QStringLiteral("/elsewhere.html");
    start({page});
    type(QStringLiteral("new "));
    ASSERT_EQ(::chmod(QFile::encodeName(home() + "/locked").constData(), 0555), 0);
    {
        faults::ObeyFilePermissions asUser;
        ui.choice(0);
        ui.fileName(elsewhere);
        run("FileSaveClick");
    }
    ::chmod(QFile::encodeName(home() + "/locked").constData(), 0755);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Question);
    EXPECT_TRUE(ui.shown[0].text.startsWith("Cannot save \"" + page + "\".\n")) << ui.shown[0].text.toStdString();
    EXPECT_EQ(ui.lastButtons, QStringList({"Save As...", "Cancel"}));
    EXPECT_EQ(readFile(page), "old");
    expectDocument(*window, "new old", elsewhere, false);
}
