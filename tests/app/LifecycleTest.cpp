// The life of the document through the real window: start-up from the command
// line, New, Open, Save, Save As, the questions about changes and overwriting,
// failed saves and loads, a file another program changed, and the close.
#include <sys/stat.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <cerrno>

#include <QStatusBar>

#include "app/DocumentLifecycle.h"
#include "app/RecentFiles.h"
#include "app/StatusPanels.h"
#include "cli/CommandLine.h"
#include "files/SidePanel.h"
#include "support/FileFaults.h"
#include "support/MainWindowFixture.h"

using interaction::Answer;

namespace {
template <typename T>
T stored(const settings::Setting<T>& s)
{
    return settings::SettingsStore().read(s);
}
// The document the window shows: its text, file (none: untitled), caption
// and modified flag.
void expectDocument(app::TfrmMain& w, const std::string& text, const QString& path, bool modified)
{
    EXPECT_EQ(w.editor().text(), text);
    EXPECT_EQ(w.documentPath().toStdString(), path.toStdString());
    EXPECT_EQ(w.windowTitle().toStdString(),
              ((path.isEmpty() ? QStringLiteral("untitled.html") : path) + " - Quillon Pro").toStdString());
    EXPECT_EQ(w.editor().isModified(), modified);
}
}  // namespace

TEST_F(MainWindowTest, CommandLineJoinsUpToFourArgumentsAndOpensAFileNotAMissingOneNorAFolder)
{
    // The arguments separated by "|".
    const std::pair<const char*, const char*> rows[] = {{"", ""},
                                                        {"  ", ""},
                                                        {"  a.html ", "/cwd/a.html"},
                                                        {"my|page.html", "/cwd/my page.html"},
                                                        {"a||b", "/cwd/a b"},
                                                        {"a|b|c|d|e", "/cwd/a b c d"},
                                                        {"/x/y z.html", "/x/y z.html"},
                                                        {"-n.html", "/cwd/-n.html"}};
    for (const auto& [arguments, path] : rows)
        EXPECT_EQ(cli::commandLinePath(QString(arguments).split('|'), "/cwd").toStdString(), path) << arguments;
    EXPECT_EQ(cli::commandLinePath({}, "/cwd"), QString());
    EXPECT_EQ(app::captionFileName(QStringLiteral("/web/my-page.html - Quillon Pro")), QStringLiteral("my-page.html"));
    // From the command line a file opens (not added to the recent files), a
    // missing one or a folder is reported; a file of one or two line breaks shows
    // empty, any other tiny file is kept.
    writeFile(QStringLiteral("my page.html"), "<p>hello</p>\r\n");
    start({QStringLiteral("my"), QStringLiteral("page.html")});
    expectDocument(*window, "<p>hello</p>\r\n", home() + "/my page.html", false);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(stored(settings::mru::file(0)), QString());
    start({QStringLiteral("gone.html")});
    EXPECT_EQ(ui.texts(), QStringList({"Quillon Pro can't find " + home() + "/gone.html"}));
    expectDocument(*window, "", {}, false);
    QDir().mkdir(QStringLiteral("folder.html"));
    start({QStringLiteral("folder.html")});
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].kind, interaction::MessageKind::Error);
    expectDocument(*window, "", {}, false);
    for (const auto& [bytes, shown] :
         {std::pair<QByteArray, std::string>{"\r\n", ""}, {"\n", ""}, {"ok", "ok"}, {"a\n", "a\r\n"}}) {
        const QString path = writeFile(QStringLiteral("tiny.html"), bytes);
        start({QStringLiteral("tiny.html")});
        expectDocument(*window, shown, path, false);
        run("FileSaveClick");
        EXPECT_EQ(readFile(path), shown.empty() ? QByteArray() : bytes) << bytes.toStdString();
    }
}

// Open goes through the browse dialog, which starts in the folder of the last
// open; a file that cannot be loaded or saved is one error and leaves the
// document as it was; a No at the question then a cancelled dialog leaves an
// empty untitled document, which Save never writes over the old file.
TEST_F(MainWindowTest, OpenAndSaveAsThroughTheirDialogsAndTheirFailures)
{
    const QString keep = writeFile(QStringLiteral("keep.html"), "keep");
    QDir().mkdir(QStringLiteral("web"));
    QDir().mkdir(QStringLiteral("notafile"));
    const QString path = writeFile(QStringLiteral("web/a.html"), "<b>a</b>");
    start({keep});
    run("FileOpenClick");  // cancelled without changes: the document stays
    run("FileSaveAsClick");
    expectDocument(*window, "keep", keep, false);
    ui.fileName(path);
    run("FileOpenClick");
    EXPECT_EQ(ui.fileDialogTitles, QStringList({"Browse", "Save As", "Browse"}));
    expectDocument(*window, "<b>a</b>", path, false);
    EXPECT_EQ(stored(settings::user::kLastDir), home() + "/web");

    type(QStringLiteral("!"));
    ui.answer(Answer::No);
    ui.fileName(home() + QStringLiteral("/notafile"));
    run("FileOpenClick");
    EXPECT_EQ(ui.lastFolder, home() + QStringLiteral("/web"));
    ui.fileName(home() + QStringLiteral("/no/such/folder/x.html"));
    run("FileSaveAsClick");
    ASSERT_EQ(ui.shown.size(), 3u);
    EXPECT_EQ(ui.shown[1].kind, interaction::MessageKind::Error);
    EXPECT_EQ(ui.shown[1].text, "Cannot open \"" + home() + "/notafile\".\n" + qt_error_string(EISDIR));
    EXPECT_EQ(ui.shown[2].kind, interaction::MessageKind::Error);
    EXPECT_EQ(ui.shown[2].text, "Cannot save \"" + home() + "/no/such/folder/x.html\".\n" + qt_error_string(ENOENT));
    expectDocument(*window, "!<b>a</b>", path, true);

    ui.answer(Answer::No);
    run("FileOpenClick");  // the dialog is cancelled
    EXPECT_EQ(ui.texts().last(), QStringLiteral("Save Changes to a.html?"));
    expectDocument(*window, "", {}, false);
    run("FileSaveClick");
    EXPECT_EQ(ui.fileDialogTitles.last(), QStringLiteral("Save As"));
    EXPECT_EQ(readFile(path), QByteArray("<b>a</b>"));
}

// Overwriting asks; Save As appends ".html" to a file name without a dot,
// also in a folder with one. (And Undo with nothing to undo says so.)
TEST_F(MainWindowTest, SaveAsAsksBeforeOverwritingAppendsHtmlAndOffersUtf8ForWindows1252)
{
    const QString existing = writeFile(QStringLiteral("there.html"), "precious");
    QDir().mkdir(QStringLiteral("example.com"));
    start();
    run("EditUndoClick");  // nothing to undo: said
    type(QStringLiteral("new"));
    ui.fileName(existing);
    ui.answer(Answer::No);
    run("FileSaveClick");
    EXPECT_EQ(ui.texts(), QStringList({"The last action cannot be undone.",
                                       existing + "\rThis file already exists.\n\rReplace existing file?"}));
    EXPECT_EQ(readFile(existing), QByteArray("precious"));
    expectDocument(*window, "new", {}, true);
    ui.fileName(existing);
    ui.answer(Answer::Yes);
    run("FileSaveClick");
    EXPECT_EQ(readFile(existing), QByteArray("new"));
    ui.fileName(home() + QStringLiteral("/example.com/page"));
    run("FileSaveAsClick");
    EXPECT_EQ(readFile(home() + QStringLiteral("/example.com/page.html")), QByteArray("new"));
    expectDocument(*window, "new", home() + "/example.com/page.html", false);
    EXPECT_EQ(app::withDefaultSuffix(QStringLiteral("/web/page.txt")), QStringLiteral("/web/page.txt"));
    type(QStringLiteral("!"));
    run("EditUndoClick");  // something to undo: undone, nothing said
    EXPECT_EQ(text(), "new");
    EXPECT_EQ(ui.shown.size(), 3u);
    // A Windows-1252 file gaining a character it has no code for is saved as UTF-8 when the author agrees.
    const QString path = writeFile(QStringLiteral("old.html"), "caf\xE9\n");
    ui.shown.clear();
    start({path});
    window->editor().setSelection(window->editor().length(), 0);
    window->editor().replaceSelection("\xE4\xB8\xAD");  // U+4E2D, which Windows-1252 has no code for
    ui.answer(Answer::No);
    run("FileSaveClick");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, QString::fromUtf8("This document cannot be stored as Windows-1252 (first: \"\u4E2D\" "
                                                  "(U+4E2D) at line 2). Save it as UTF-8?"));
    EXPECT_EQ(readFile(path), QByteArray("caf\xE9\n"));
    EXPECT_TRUE(window->editor().isModified());
    ui.answer(Answer::Yes);
    run("FileSaveClick");
    EXPECT_EQ(readFile(path), QByteArray("caf\xC3\xA9\n\xE4\xB8\xAD"));
    EXPECT_FALSE(window->editor().isModified());
    // Now a UTF-8 document: no question. Save writes even without changes,
    // also when the file is gone meanwhile.
    QFile::remove(path);
    run("FileSaveClick");
    EXPECT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(readFile(path), QByteArray("caf\xC3\xA9\n\xE4\xB8\xAD"));
}

// The question before a save names a declared encoding; a Yes makes the page
// declare UTF-8 as one undoable edit of the save (undone when the save
// fails), so that the file reads back as written. A declaration that cannot
// be followed is said once, in the status bar, or in a box while it is hidden.
TEST_F(MainWindowTest, ASaveAsUtf8ChangesTheDeclarationAndOneNotFollowedIsSaidOnce)
{
    const QString path = writeFile(QStringLiteral("koi8.html"), "<meta charset=koi8-r>\xC1\n");
    start({path});
    app::EditorView& body = window->editor();
    body.setSelection(body.length(), 0);
    body.replaceSelection("\xE4\xB8\xAD");  // U+4E2D, which KOI8-R has no code for
    const std::string typed = body.text();
    const QString question = QString::fromUtf8(
        "This document cannot be stored as koi8-r (first: \"\u4E2D\" (U+4E2D) at line 2). Save it as UTF-8, and "
        "change its declared encoding \"koi8-r\" to \"utf-8\"?");
    ui.answer(Answer::No);
    run("FileSaveClick");
    ui.answer(Answer::Yes);
    ui.fileName(home() + QStringLiteral("/missing/koi8.html"));
    run("FileSaveAsClick");
    EXPECT_EQ(ui.texts().mid(0, 2), QStringList({question, question}));
    EXPECT_EQ(body.text(), typed) << "a failed save keeps the declaration";
    EXPECT_EQ(body.caretPosition(), body.length());
    EXPECT_EQ(readFile(path), QByteArray("<meta charset=koi8-r>\xC1\n"));

    ui.answer(Answer::Yes);
    run("FileSaveClick");
    ASSERT_EQ(ui.shown.size(), 4u);
    const std::string declared = "<meta charset=utf-8>\xD0\xB0\r\n\xE4\xB8\xAD";  // U+0430, U+4E2D
    EXPECT_EQ(body.text(), declared);
    EXPECT_EQ(body.caretPosition(), body.length());
    EXPECT_FALSE(body.isModified());
    const storage::LoadedDocument back = storage::decodeDocument(readFile(path).toStdString());
    EXPECT_EQ(back.text, declared);
    EXPECT_EQ(back.format, (storage::DocumentFormat{storage::Encoding::Utf8, storage::LineBreaks::Lf}));
    body.undo();
    EXPECT_EQ(body.text(), typed);

    ui.shown.clear();
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
// and modified flag. A Yes saves through the Save As dialog even when the
// document has a name; when that save does not write, the command is abandoned.
TEST_F(MainWindowTest, TheSaveChangesQuestionCancelledOrAnsweredYes)
{
    const QString path = writeFile(QStringLiteral("doc.html"), "doc");
    const QString missing = home() + QStringLiteral("/missing/dir/x.html");
    app::addRecentFile(writeFile(QStringLiteral("other.html"), "other"));
    start({path});
    type(QStringLiteral("edit "));
    const std::pair<const char*, const char*> rows[] = {{"FileNewClick", "Save changes to doc.html?"},
                                                        {"FileOpenClick", "Save Changes to doc.html?"},
                                                        {"mru1Click", "Save changes to doc.html?"},
                                                        {"FileExitClick", "Save changes to doc.html?"}};
    for (auto [command, question] : rows) {
        ui.answer(Answer::Cancel);
        run(command);
        EXPECT_EQ(ui.texts().last(), QString::fromLatin1(question)) << command;
        expectDocument(*window, "edit doc", path, true);
    }
    EXPECT_EQ(ui.shown.size(), 4u);
    EXPECT_TRUE(ui.fileDialogTitles.isEmpty());

    ui.answer(Answer::Yes);
    ui.fileName(missing);
    run("FileNewClick");
    expectDocument(*window, "edit doc", path, true);
    ui.answer(Answer::Yes);
    ui.fileName(home() + QStringLiteral("/copy.html"));
    run("FileNewClick");
    EXPECT_EQ(ui.shown.size(), 7u);  // the question, the failed save, the question
    EXPECT_EQ(ui.fileDialogTitles, QStringList({"Save As", "Save As"}));
    EXPECT_EQ(readFile(home() + QStringLiteral("/copy.html")), QByteArray("edit doc"));
    EXPECT_EQ(readFile(path), QByteArray("doc"));
    expectDocument(*window, "", {}, false);
    type(QStringLiteral("unsaved"));
    ui.answer(Answer::Yes);
    ui.fileName(missing);
    EXPECT_FALSE(window->close());  // the window stays
    EXPECT_EQ(text(), "unsaved");
}

// The state is stored also when the close is cancelled, with the normal bounds
// of a maximised window; the close erases the settings of earlier versions and
// stores the side panel's folder.
TEST_F(MainWindowTest, CloseStoresTheStateErasesEarlierVersionsAndStoresTheSideFolder)
{
    {
        settings::SettingsStore s;
        s.write(settings::window::kLeft, 40);
        s.write(settings::window::kWidth, 600);
        s.write(settings::window::kMaximised, true);
        for (const char* old : {"Quillon 1.2", "Quillon 1.5", "Quillon 2.0"})
            settings::SettingsStore(QString::fromLatin1(old)).WriteString("user", "name", "old");
    }
    const QString oldFile = settings::SettingsStore::pathOf(QStringLiteral("Quillon 1.2"));
    ASSERT_TRUE(QFileInfo::exists(oldFile));
    QDir().mkdir(QStringLiteral("site"));
    start();
    EXPECT_TRUE(window->isMaximized());
    window->sidePanel().setFolder(home() + QStringLiteral("/site"));
    type(QStringLiteral("x"));
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(std::tuple(stored(settings::window::kMaximised), stored(settings::window::kLeft),
                         stored(settings::window::kWidth)),
              std::tuple(true, 40, 600));
    window->editor().setModified(false);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFileInfo::exists(oldFile) || QFileInfo::exists(settings::SettingsStore::pathOf("Quillon 2.0")));
    EXPECT_EQ(stored(settings::user::kDir), home() + "/site");
}

namespace {
// Another editor saves `page` while this one has it open.
void saveInAnotherEditor(const QString& page)
{
    QProcess editor;
    editor.start(QStringLiteral(QUILLON_EDITOR_HELPER), {QStringLiteral("type-and-save"), page});
    ASSERT_TRUE(editor.waitForFinished(60000));
    ASSERT_EQ(editor.exitCode(), 0) << editor.readAllStandardError().toStdString();
}
}  // namespace

// Two editors have the same file open and both save: the second is asked
// before it replaces the first one's version (Cancel writes nothing, Save As
// writes elsewhere, Overwrite writes); a file replaced by a link to another
// file names the file a save would overwrite. A file saved here is its own.
TEST_F(MainWindowTest, AFileChangedOnDiskIsNeverOverwrittenUnasked)
{
    const QString page = writeFile(QStringLiteral("page.html"), "<p>one</p>\n");
    start({page});
    type(QStringLiteral("mine "));
    saveInAnotherEditor(page);
    const QByteArray theirs = readFile(page);
    ASSERT_EQ(theirs, "theirs <p>one</p>\n");
    ui.choice(2);
    run("FileSaveClick");
    EXPECT_EQ(ui.texts(), QStringList{"\"" + page +
                                      "\" was changed by another program after it was opened or last saved here.\n"
                                      "Saving now would replace that version with this document."});
    EXPECT_EQ(ui.lastButtons, QStringList({"Overwrite", "Save As...", "Cancel"}));
    EXPECT_EQ(readFile(page), theirs);
    expectDocument(*window, "mine <p>one</p>\r\n", page, true);
    const QString mine = home() + QStringLiteral("/mine.html");
    ui.choice(1);
    ui.fileName(mine);
    run("FileSaveClick");
    EXPECT_EQ(readFile(mine), "mine <p>one</p>\n");
    EXPECT_EQ(readFile(page), theirs);
    expectDocument(*window, "mine <p>one</p>\r\n", mine, false);

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
    EXPECT_EQ(readFile(victim), "mine !<p>one</p>\n");
    EXPECT_TRUE(QFileInfo(mine).isSymLink());
    run("FileSaveClick");
    EXPECT_EQ(ui.shown.size(), 4u) << "a file saved here is this editor's own";
}

// With no unsaved changes, the window coming back to the front offers a
// changed file for reloading, once per change; Reload keeps the caret's line
// and leaves nothing to undo, Keep This Text makes the next save write
// unasked; a reload that fails is not offered again for the same change. A
// modified document is offered nothing: its save asks.
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
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "\"" + page +
                                    "\" was changed by another program after it was opened or last saved here.\n"
                                    "This document has no unsaved changes. Reload it from the file?");
    EXPECT_EQ(ui.lastButtons, QStringList({"Reload", "Keep This Text"}));
    expectDocument(*window, "A\r\nB\r\nC\r\nD\r\n", page, false);
    EXPECT_EQ(body().lineFromPosition(body().caretPosition()), 2);
    EXPECT_FALSE(body().canUndo());
    comeBack();
    EXPECT_EQ(ui.shown.size(), 1u) << "asked once";

    writeFile(QStringLiteral("page.html"), "kept on disk");
    ui.choice(1);
    comeBack();
    EXPECT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(text(), "A\r\nB\r\nC\r\nD\r\n");
    run("FileSaveClick");
    EXPECT_EQ(readFile(page), "A\nB\nC\nD\n");

    ASSERT_TRUE(QFile::remove(page) && QDir().mkdir(page));
    ui.choice(0);
    comeBack();
    comeBack();
    EXPECT_EQ(ui.shown.size(), 4u) << "a reload that fails is offered and said once";
    EXPECT_EQ(text(), "A\r\nB\r\nC\r\nD\r\n");
    ASSERT_TRUE(QDir().rmdir(page));

    type(QStringLiteral("!"));
    writeFile(QStringLiteral("page.html"), "changed while modified");
    comeBack();
    EXPECT_EQ(ui.shown.size(), 4u) << "a modified document is not offered a reload";
    ui.choice(2);
    run("FileSaveClick");
    EXPECT_EQ(ui.shown.size(), 5u);
    EXPECT_EQ(readFile(page), "changed while modified");
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
        ui.choice(1);
        run("FileSaveClick");
        ui.choice(0);
        ui.fileName(elsewhere);
        run("FileSaveClick");
    }
    ::chmod(QFile::encodeName(home() + "/locked").constData(), 0755);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Question);
    EXPECT_TRUE(ui.shown[0].text.startsWith("Cannot save \"" + page + "\".\n")) << ui.shown[0].text.toStdString();
    EXPECT_EQ(ui.lastButtons, QStringList({"Save As...", "Cancel"}));
    EXPECT_EQ(readFile(page), "old");
    EXPECT_EQ(readFile(elsewhere), "new old");
    expectDocument(*window, "new old", elsewhere, false);
}
