// The side panel's commands through the main window: opening by type from
// the list, files dropped on `body` and on the window (real drop events with
// file URLs), the name prompt, Delete and Open With.
#include <QAction>
#include <QDropEvent>
#include <QFileSystemModel>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>

#include "files/ByType.h"
#include "files/SidePanel.h"
#include "storage/FileNames.h"
#include "support/MainWindowFixture.h"
#include "support/Marked.h"
#include "support/StandIn.h"

namespace {

using interaction::Answer;

class SideCommands : public MainWindowTest {
protected:
    QListView& list() { return *window->sidePanel()->filebox(); }
    QModelIndex item(const QString& name)
    {
        return static_cast<QFileSystemModel*>(list().model())->index(home() + "/" + name);
    }
    // Selects the file `name` of the folder shown, once the list shows it.
    void select(const QString& name)
    {
        window->sidePanel()->refresh();
        ASSERT_TRUE(QTest::qWaitFor([&] { return item(name).isValid(); }, 5000)) << name.toStdString();
        list().setCurrentIndex(item(name));
    }
    // Drops files on `target` as a file manager does; false when refused.
    static bool drop(QWidget* target, const QStringList& names)
    {
        QList<QUrl> urls;
        for (const QString& name : names) urls << QUrl::fromLocalFile(home() + "/" + name);
        return drop(target, urls);
    }
    static bool drop(QWidget* target, const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted()) QApplication::sendEvent(target, &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    }
    // The prompt's next answer: `name`, or Cancel for none.
    void prompt(const QString& name, QStringList* offered = nullptr)
    {
        ui.onModal([name, offered](QDialog& d) {
            if (offered) *offered << d.findChild<QLineEdit*>("txtName")->text();
            d.findChild<QLineEdit*>("txtName")->setText(name);
            d.done(name.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
            return d.result();
        });
    }
    QString notice() { return window->statusBar()->currentMessage(); }
    bool enabled(const char* name) { return window->findChild<QAction*>(name)->isEnabled(); }
};

// Dropped on the editor (where a drag over it arrives) or on the window, the
// first file becomes a reference in place of the selection, coloured; a GIF
// too short for its header is reported; a kind left alone changes nothing and
// is refused with a word naming it and its type.
TEST_F(SideCommands, ADropInsertsAReferenceToTheFirstFile)
{
    writeFile("cut.gif", "GIF89a");
    start();
    window->setHighlightingOn(true);
    ASSERT_TRUE(drop(body().childAt(body().rect().center()), {"notes.txt"}));
    EXPECT_EQ(marked::colours(body()), "{<a href=\"notes.txt\"></a>}");
    body().loadText("Text");
    body().selectAll();
    ASSERT_TRUE(drop(window.get(), {"style.css", "b.tar.gz", "README"}));
    EXPECT_EQ(marked::selection(body()), "Text<link rel=stylesheet href=\"style.css\" type=\"text/css\">|");
    const std::string before = text();
    for (const char* name : {"cut.gif", "report.doc"}) ASSERT_TRUE(drop(window.get(), {name}));
    EXPECT_EQ(text(), before);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(ui.texts()[0].startsWith("Cannot open \"" + home() + "/cut.gif\".\n")) << ui.texts()[0].toStdString();
    const QString doc = files::ignoredType("report.doc", files::Arrival::Dropped);
    EXPECT_TRUE(notice().contains("report.doc") && notice().contains(doc)) << notice().toStdString();
}

// A double click on an image inserts its reference; on a page it opens it,
// after the question about unsaved changes.
TEST_F(SideCommands, OpeningFromTheListInsertsImagesOrOpensPages)
{
    settings::SettingsStore().write(settings::user::kPreImage, "images/");
    writeFile("photo.jpeg", "jpeg");
    const QString other = writeFile("other.html", "<p>other</p>");
    start();
    type("x");
    select("photo.jpeg");
    // A double click: a click, then the second press that makes it double.
    const QPoint at = list().visualRect(list().currentIndex()).center();
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(marked::selection(body()), "x<img src=\"images/photo.jpeg\" align=\"\" border=\"0\" alt=\"\">\r\n|");
    select("other.html");
    ui.answer(Answer::No);
    run("fileboxDblClick");
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(std::pair(text(), window->DocumentPath()), std::pair(std::string("<p>other</p>"), other));
}

// The name prompt opens on the selected file's name: OK with a name does the
// command, Cancel nothing. Delete, from the menu or the key, asks first.
TEST_F(SideCommands, ThePromptOffersTheSelectedNameAndDeleteAsks)
{
    writeFile("index.htm", "index");
    start();
    select("index.htm");
    QStringList offered;
    for (const QString name : {"drafts", "", "home.htm"}) prompt(name, &offered);
    run("p2CreateClick");
    run("p3RenameClick");
    EXPECT_TRUE(QFileInfo(home() + "/drafts").isDir() && QFile::exists(home() + "/index.htm"));
    run("p3RenameClick");
    EXPECT_EQ(offered, QStringList({"index.htm", "index.htm", "index.htm"}));
    EXPECT_EQ(readFile(home() + "/home.htm"), "index");
    select("home.htm");
    ui.answer(Answer::No);
    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_TRUE(QFile::exists(home() + "/home.htm"));
    ui.answer(Answer::Yes);
    run("p3DeleteClick");
    EXPECT_EQ(ui.texts(), QStringList({"Delete home.htm?", "Delete home.htm?"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !item("home.htm").isValid(); }, 5000));
}

// The Tools menu and Open With show each tool set (its caption: tests/files)
// and grey an unset one; from the Tools menu a tool starts without the
// document, from Open With with the selected file as one argument; an unset
// tool, or one that cannot start, is said.
TEST_F(SideCommands, TheToolsStartFromTheToolsMenuAndFromOpenWith)
{
    const testing_support::StandIn tool(home() + "/bin", "mapper");
    settings::SettingsStore().write(settings::user::kTool1Path, tool.path() + " --edit");
    settings::SettingsStore().write(settings::user::kTool3Path, home() + "/missing-program");
    start({writeFile("a b.htm", "x")});
    for (const char* menu : {"Tools1", "p3OpenWith"}) emit window->commands().menu(menu)->aboutToShow();
    EXPECT_EQ(std::pair(action("ToolsDefTool1")->text(), enabled("ToolsDefTool2")),
              std::pair(QStringLiteral("&1 mapper"), false));
    EXPECT_EQ(std::pair(window->findChild<QAction*>("p3User1")->text(), enabled("p3User2")),
              std::pair(QStringLiteral("mapper"), false));
    run("ToolsDefTool1Click");
    EXPECT_EQ(tool.arguments(), QStringList{"--edit"});
    QFile::remove(tool.path() + ".args");
    select("a b.htm");
    for (const char* command : {"p3User1Click", "ToolsDefTool2Click", "p3User2Click", "ToolsDefTool3Click"})
        run(command);
    EXPECT_EQ(tool.arguments(), QStringList({"--edit", home() + "/a b.htm"}));
    EXPECT_EQ(ui.shown.size(), 3u);
}

// A name that is not UTF-8 is listed as Qt decodes it, with U+FFFD, which is
// also the name of its twin: the one entry stands for both, and Open, Open
// With, Rename, Delete and drops (its own bytes in a URL, or the entry
// dragged) refuse it with a word; neither file is touched.
TEST_F(SideCommands, ANameThatIsNotUtf8IsRefusedEverywhere)
{
    const faults::NameTwins names(home());
    const testing_support::StandIn tool(home() + "/bin", "tool");
    settings::SettingsStore().write(settings::user::kTool1Path, tool.path());
    start();
    const QString listed = names.decoded();
    select(storage::FileNamePart(listed));
    ui.answer(Answer::Yes);
    prompt("renamed.html");
    for (const char* command : {"fileboxDblClick", "p3User1Click", "p3RenameClick", "p3DeleteClick"}) {
        window->statusBar()->clearMessage();
        run(command);
        EXPECT_TRUE(notice().contains(listed)) << command << ' ' << notice().toStdString();
    }
    for (const QUrl& url :
         {QUrl::fromEncoded("file://" + names.latin.toPercentEncoding("/")), QUrl::fromLocalFile(listed)}) {
        window->statusBar()->clearMessage();
        ASSERT_TRUE(drop(window.get(), QList<QUrl>{url}));
        EXPECT_TRUE(notice().contains(listed)) << notice().toStdString();
    }
    EXPECT_EQ(text(), "");
    EXPECT_EQ(ui.texts(), QStringList());  // no question to delete
    EXPECT_FALSE(tool.ran());
    EXPECT_TRUE(names.untouched());
}

}  // namespace
