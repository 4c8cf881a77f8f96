// The life of the document through the real window: start-up from the command
// line, New, Open, Save, Save As, the questions about changes and overwriting,
// failed saves and loads, and the close.
#include <QFileInfo>
#include <cerrno>

#include "MainWindowFixture.h"
#include "app/DocumentLifecycle.h"
#include "app/RecentFiles.h"
#include "app/StatusPanels.h"
#include "files/SidePanel.h"

using interaction::Answer;

namespace {
const QString kSuffix = QStringLiteral(" - Quillon Pro");
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
              ((path.isEmpty() ? QStringLiteral("untitled.html") : path) + kSuffix).toStdString());
    EXPECT_EQ(w.editor().isModified(), modified);
}
}  // namespace

TEST(CommandLinePath, JoinsUpToFourArgumentsAndResolvesRelativePaths)
{
    const std::pair<QStringList, const char*> rows[] = {{{}, ""},
                                                        {{"  "}, ""},
                                                        {{"  a.html "}, "/cwd/a.html"},
                                                        {{"my", "page.html"}, "/cwd/my page.html"},
                                                        {{"a", "", "b"}, "/cwd/a b"},
                                                        {{"a", "b", "c", "d", "e"}, "/cwd/a b c d"},
                                                        {{"/x/y z.html"}, "/x/y z.html"},
                                                        {{"-n.html"}, "/cwd/-n.html"}};
    for (const auto& [arguments, path] : rows)
        EXPECT_EQ(app::commandLinePath(arguments, QStringLiteral("/cwd")).toStdString(), path) << path;
}

TEST(SaveName, GetsHtmlOnlyWhenTheFileNameHasNoDotAndTheCaptionGivesTheName)
{
    EXPECT_EQ(app::withDefaultSuffix(QStringLiteral("/web/page")), QStringLiteral("/web/page.html"));
    EXPECT_EQ(app::withDefaultSuffix(QStringLiteral("/sites/example.com/page")),
              QStringLiteral("/sites/example.com/page.html"));
    EXPECT_EQ(app::withDefaultSuffix(QStringLiteral("/web/page.txt")), QStringLiteral("/web/page.txt"));
    EXPECT_EQ(app::captionFileName(QStringLiteral("/web/my-page.html - Quillon Pro")), QStringLiteral("my-page.html"));
    EXPECT_EQ(app::captionFileName(QStringLiteral("untitled.html - Quillon Pro")), QStringLiteral("untitled.html"));
}

TEST_F(MainWindowTest, CommandLineOpensAFileSplitOverArguments)
{
    writeFile(QStringLiteral("my page.html"), "<p>hello</p>\r\n");
    start({QStringLiteral("my"), QStringLiteral("page.html")});
    expectDocument(*window, "<p>hello</p>\r\n", home() + "/my page.html", false);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(stored(settings::mru::file(0)), QString());  // not added to the recent files
}

TEST_F(MainWindowTest, CommandLineNamingAMissingFileOrAFolderStartsUntitled)
{
    start({QStringLiteral("gone.html")});
    EXPECT_EQ(ui.texts(), QStringList({"Quillon Pro can't find " + home() + "/gone.html"}));
    expectDocument(*window, "", {}, false);
    QDir().mkdir(QStringLiteral("folder.html"));
    start({QStringLiteral("folder.html")});
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].kind, interaction::MessageKind::Error);
    expectDocument(*window, "", {}, false);
}

TEST_F(MainWindowTest, AFileOfOneOrTwoLineBreaksShowsEmptyAnyOtherTinyFileIsKept)
{
    for (const auto& [bytes, shown] :
         {std::pair<QByteArray, std::string>{"\r\n", ""}, {"\n", ""}, {"ok", "ok"}, {"a\n", "a\r\n"}}) {
        const QString path = writeFile(QStringLiteral("tiny.html"), bytes);
        start({QStringLiteral("tiny.html")});
        expectDocument(*window, shown, path, false);
        run("FileSaveClick");
        EXPECT_EQ(readFile(path), shown.empty() ? QByteArray() : bytes) << bytes.toStdString();
    }
}

TEST_F(MainWindowTest, OpenUsesBrowseDialogAndRemembersTheFolder)
{
    QDir().mkdir(QStringLiteral("web"));
    const QString path = writeFile(QStringLiteral("web/a.html"), "<b>a</b>");
    start();
    ui.fileName(path);
    run("FileOpenClick");
    EXPECT_EQ(ui.fileDialogTitles, QStringList({QStringLiteral("Browse")}));
    EXPECT_EQ(ui.lastFilters.first(), QStringLiteral("HyperText Documents (*.html *.htm *.shtml)"));
    expectDocument(*window, "<b>a</b>", path, false);
    EXPECT_EQ(stored(settings::user::kLastDir), home() + "/web");
    run("FileOpenClick");  // the next open starts there
    EXPECT_EQ(ui.lastFolder, home() + QStringLiteral("/web"));
}

TEST_F(MainWindowTest, OpenAnsweredNoThenCancelledLeavesAnEmptyUntitledDocument)
{
    const QString path = writeFile(QStringLiteral("old.html"), "old text");
    start({path});
    type(QStringLiteral("x"));
    ui.answer(Answer::No);
    run("FileOpenClick");  // the dialog is cancelled
    EXPECT_EQ(ui.texts().first(), QStringLiteral("Save Changes to old.html?"));
    expectDocument(*window, "", {}, false);
    // A Save now asks for a name and never writes the empty text over old.html.
    run("FileSaveClick");
    EXPECT_EQ(ui.fileDialogTitles.last(), QStringLiteral("Save As"));
    EXPECT_EQ(readFile(path), QByteArray("old text"));
}

TEST_F(MainWindowTest, OpenOrSaveAsCancelledWithoutChangesKeepsTheDocument)
{
    const QString path = writeFile(QStringLiteral("keep.html"), "keep");
    start({path});
    run("FileOpenClick");
    run("FileSaveAsClick");
    expectDocument(*window, "keep", path, false);
    EXPECT_EQ(ui.fileDialogTitles, QStringList({"Browse", "Save As"}));
}

TEST_F(MainWindowTest, FailedLoadLeavesTheDocumentAsItWas)
{
    const QString path = writeFile(QStringLiteral("mine.html"), "mine");
    start({path});
    type(QStringLiteral("!"));
    QDir().mkdir(QStringLiteral("notafile"));
    ui.answer(Answer::No);
    ui.fileName(home() + QStringLiteral("/notafile"));
    run("FileOpenClick");
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].kind, interaction::MessageKind::Error);
    EXPECT_EQ(ui.shown[1].text, "Cannot open \"" + home() + "/notafile\".\n" + qt_error_string(EISDIR));
    expectDocument(*window, "!mine", path, true);
}

TEST_F(MainWindowTest, SaveAsAppendsHtmlToANameWithoutADotInAFolderWithOne)
{
    QDir().mkdir(QStringLiteral("example.com"));
    start();
    type(QStringLiteral("<p>"));
    ui.fileName(home() + QStringLiteral("/example.com/page"));
    run("FileSaveAsClick");
    EXPECT_EQ(readFile(home() + QStringLiteral("/example.com/page.html")), QByteArray("<p>"));
    expectDocument(*window, "<p>", home() + "/example.com/page.html", false);
}

TEST_F(MainWindowTest, AWindows1252FileGainingAnUnencodableCharacterIsSavedAsUtf8WhenTheAuthorAgrees)
{
    const QString path = writeFile(QStringLiteral("old.html"), "caf\xE9\n");
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
    run("FileSaveClick");  // now a UTF-8 document: no question
    EXPECT_EQ(ui.shown.size(), 2u);
}

TEST_F(MainWindowTest, OverwriteAnsweredNoLeavesTheDocumentUntitledAndModified)
{
    const QString existing = writeFile(QStringLiteral("there.html"), "precious");
    start();
    type(QStringLiteral("new"));
    ui.fileName(existing);
    ui.answer(Answer::No);
    run("FileSaveClick");
    EXPECT_EQ(ui.texts(), QStringList({existing + "\rThis file already exists.\n\rReplace existing file?"}));
    EXPECT_EQ(readFile(existing), QByteArray("precious"));
    expectDocument(*window, "new", {}, true);
    // Yes replaces it.
    ui.fileName(existing);
    ui.answer(Answer::Yes);
    run("FileSaveClick");
    EXPECT_EQ(readFile(existing), QByteArray("new"));
}

TEST_F(MainWindowTest, SaveAlwaysWritesEvenWithoutChanges)
{
    const QString path = writeFile(QStringLiteral("s.html"), "editor text");
    start({path});
    writeFile(QStringLiteral("s.html"), "changed behind our back");
    activate();
    QTest::keyClick(&window->editor(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readFile(path), QByteArray("editor text"));
}

TEST_F(MainWindowTest, FailedSaveKeepsEverythingAndShowsOneError)
{
    const QString path = writeFile(QStringLiteral("doc.html"), "doc");
    start({path});
    type(QStringLiteral("more "));
    ui.fileName(home() + QStringLiteral("/no/such/folder/x.html"));
    run("FileSaveAsClick");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, interaction::MessageKind::Error);
    EXPECT_EQ(ui.shown[0].text, "Cannot save \"" + home() + "/no/such/folder/x.html\".\n" + qt_error_string(ENOENT));
    expectDocument(*window, "more doc", path, true);
}

TEST_F(MainWindowTest, NewAnsweredYesSavesThroughTheDialogEvenWhenNamed)
{
    const QString path = writeFile(QStringLiteral("named.html"), "named");
    start({path});
    type(QStringLiteral("x"));
    ui.answer(Answer::Yes);
    ui.fileName(home() + QStringLiteral("/copy.html"));
    run("FileNewClick");
    EXPECT_EQ(ui.texts().first(), QStringLiteral("Save changes to named.html?"));
    EXPECT_EQ(ui.fileDialogTitles, QStringList({QStringLiteral("Save As")}));
    EXPECT_EQ(readFile(home() + QStringLiteral("/copy.html")), QByteArray("xnamed"));
    EXPECT_EQ(readFile(path), QByteArray("named"));
    expectDocument(*window, "", {}, false);
}

// Cancel at the question changes nothing: text, name, caption and modified flag.
TEST_F(MainWindowTest, CancelAtTheSaveChangesQuestionChangesNothing)
{
    const QString path = writeFile(QStringLiteral("doc.html"), "doc");
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
}

TEST_F(MainWindowTest, AFailedSaveAtThePromptAbandonsTheCommand)
{
    start();
    type(QStringLiteral("unsaved"));
    ui.answer(Answer::Yes);
    ui.fileName(home() + QStringLiteral("/missing/dir/x.html"));
    run("FileNewClick");
    expectDocument(*window, "unsaved", {}, true);
    // The close is abandoned too: the window stays.
    ui.answer(Answer::Yes);
    ui.fileName(home() + QStringLiteral("/missing/dir/x.html"));
    EXPECT_FALSE(window->close());
    EXPECT_EQ(text(), "unsaved");
}

TEST_F(MainWindowTest, CloseCancelledKeepsTheWindowButStoresItsState)
{
    start();
    window->resize(700, 500);
    type(QStringLiteral("x"));
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(stored(settings::window::kWidth), 700);
    EXPECT_EQ(stored(settings::window::kHeight), 500);
}

TEST_F(MainWindowTest, CloseErasesEarlierVersionsAndStoresTheSideFolder)
{
    {
        settings::SettingsStore old(QStringLiteral("Quillon 2.0"));
        old.WriteString(QStringLiteral("user"), QStringLiteral("name"), QStringLiteral("old"));
    }
    const QString oldFile = settings::SettingsStore::pathOf(QStringLiteral("Quillon 2.0"));
    ASSERT_TRUE(QFileInfo::exists(oldFile));
    QDir().mkdir(QStringLiteral("site"));
    start();
    window->sidePanel().setFolder(home() + QStringLiteral("/site"));
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFileInfo::exists(oldFile));
    EXPECT_EQ(stored(settings::user::kDir), home() + "/site");
}

TEST_F(MainWindowTest, ClosingMaximisedKeepsTheNormalBounds)
{
    {
        settings::SettingsStore s;
        s.write(settings::window::kLeft, 40);
        s.write(settings::window::kWidth, 600);
        s.write(settings::window::kMaximised, true);
    }
    start();
    EXPECT_TRUE(window->isMaximized());
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(stored(settings::window::kMaximised));
    EXPECT_EQ(stored(settings::window::kLeft), 40);
    EXPECT_EQ(stored(settings::window::kWidth), 600);
}

TEST_F(MainWindowTest, UndoWithNothingToUndoSaysSo)
{
    start();
    run("EditUndoClick");
    EXPECT_EQ(ui.texts(), QStringList({QStringLiteral("The last action cannot be undone.")}));
    type(QStringLiteral("ab"));
    run("EditUndoClick");
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_NE(text(), "ab");
}
