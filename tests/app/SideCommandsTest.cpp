// The side panel's commands through the main window: opening by type from
// the list, files dropped on `body` and on the window (real drop events with
// file URLs), the file menu, the name prompt, Delete and Open With.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>

#include "MainWindowFixture.h"
#include "files/SidePanel.h"
#include "support/Marked.h"
#include "support/StandIn.h"

namespace {

using interaction::Answer;

class SideCommands : public MainWindowTest {
protected:
    files::SidePanel& panel() { return window->sidePanel(); }
    QListView& list() { return *panel().fileBox(); }
    // Selects the file `name` of the folder shown, once the list has it.
    void select(const QString& name)
    {
        auto* model = static_cast<QFileSystemModel*>(list().model());
        const QString path = home() + "/" + name;
        panel().refresh();
        ASSERT_TRUE(QTest::qWaitFor([&] { return model->index(path).isValid(); }, 5000)) << name.toStdString();
        list().setCurrentIndex(model->index(path));
        ASSERT_EQ(panel().selectedFile(), path);
    }
    bool listed(const QString& name)
    {
        auto* model = static_cast<QFileSystemModel*>(list().model());
        return model->index(home() + "/" + name).isValid();
    }
    bool enabled(const char* name) { return window->findChild<QAction*>(name)->isEnabled(); }
    void openFileMenu() { emit window->commands().menu("pFileMenu")->aboutToShow(); }
    // Drops `paths` on `target` as a file manager does; false when refused.
    static bool drop(QWidget* target, const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
        data.setUrls(urls);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    }
    // Where a drag over the editor arrives.
    QWidget* editorSurface() { return window->editor().childAt(window->editor().rect().center()); }
    std::string shown() { return marked::selection(window->editor()); }
};

TEST_F(SideCommands, DropsOnTheEditorAndTheWindowInsertAReferenceToTheFirstFile)
{
    start();
    window->setHighlightingOn(true);
    ASSERT_TRUE(drop(editorSurface(), {home() + "/notes.txt"}));
    EXPECT_EQ(shown(), "<a href=\"notes.txt\">|</a>");
    EXPECT_EQ(marked::colours(window->editor()), "{<a href=\"notes.txt\"></a>}");

    window->editor().loadText("Text");
    window->editor().selectAll();
    ASSERT_TRUE(drop(window.get(), {home() + "/style.css", home() + "/b.txt", home() + "/c.txt"}));
    EXPECT_EQ(shown(), "Text<link rel=stylesheet href=\"style.css\" type=\"text/css\">|");
    // Ignored kinds change nothing; a GIF too short for its header is reported.
    writeFile("cut.gif", "GIF89a");
    for (const char* name : {"report.doc", "cut.gif"}) ASSERT_TRUE(drop(window.get(), {home() + "/" + name}));
    EXPECT_EQ(shown(), "Text<link rel=stylesheet href=\"style.css\" type=\"text/css\">|");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(ui.shown[0].text.startsWith("Cannot open \"" + home() + "/cut.gif\""));
}

TEST_F(SideCommands, OpeningFromTheListInsertsImagesAndAsksBeforeReplacingTheDocument)
{
    settings::SettingsStore().write(settings::user::kPreImage, "images/");
    writeFile("photo.jpeg", "jpeg");
    const QString other = writeFile("other.html", "<p>other</p>");
    start();
    type("x");
    select("photo.jpeg");
    const QRect item = list().visualRect(list().currentIndex());
    // A double click: a click, then the second press that makes it double.
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseRelease(list().viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(shown(), "x<img src=\"images/photo.jpeg\" align=\"\" border=\"0\" alt=\"\">\r\n|");

    select("other.html");
    ui.answer(Answer::Cancel);
    run("fileboxDblClick");
    EXPECT_EQ(ui.texts(), QStringList{"Save Changes to untitled.html?"});
    EXPECT_TRUE(window->editor().isModified());
    ui.answer(Answer::No);
    run("fileboxDblClick");
    EXPECT_EQ(text(), "<p>other</p>");
    EXPECT_EQ(caption(), other + " - Quillon Pro");
    EXPECT_FALSE(window->editor().isModified());
}

TEST_F(SideCommands, TheFileEntriesNeedASelectedFileAndDeleteAsksFirst)
{
    const QString index = writeFile("index.htm", "index");
    start();
    openFileMenu();
    for (const char* name : {"p3Open", "p3OpenWith", "p3Rename", "p3Delete"}) EXPECT_FALSE(enabled(name)) << name;
    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_TRUE(ui.shown.empty());

    select("index.htm");
    openFileMenu();
    for (const char* name : {"p3Open", "p3OpenWith", "p3Rename", "p3Delete"}) EXPECT_TRUE(enabled(name)) << name;
    ui.answer(Answer::No);
    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_TRUE(QFile::exists(index));
    ui.answer(Answer::Yes);
    run("p3DeleteClick");
    EXPECT_EQ(ui.texts(), QStringList({"Delete index.htm?", "Delete index.htm?"}));
    EXPECT_FALSE(QFile::exists(index));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !listed("index.htm"); }, 5000));
}

TEST_F(SideCommands, TheNamePromptCreatesAFolderAndRenamesInPlace)
{
    writeFile("index.htm", "index");
    start();
    select("index.htm");
    // OK with `name`, or Cancel when empty; what the prompt was filled with is kept.
    QString prefilled;
    auto answer = [&](const QString& name) {
        ui.onModal([&prefilled, name](QDialog& prompt) {
            prefilled = prompt.findChild<QLineEdit*>("txtName")->text();
            prompt.findChild<QLineEdit*>("txtName")->setText(name);
            prompt.done(name.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
            return prompt.result();
        });
    };
    answer("drafts");
    run("p2CreateClick");
    EXPECT_EQ(prefilled, "index.htm");
    EXPECT_TRUE(QFileInfo(home() + "/drafts").isDir());
    answer("");
    run("p3RenameClick");
    EXPECT_TRUE(QFile::exists(home() + "/index.htm"));
    answer("home.htm");
    run("p3RenameClick");
    EXPECT_EQ(readFile(home() + "/home.htm"), "index");
    EXPECT_FALSE(QFile::exists(home() + "/index.htm"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed("home.htm") && !listed("index.htm"); }, 5000));
}

TEST_F(SideCommands, OpenWithGivesTheToolTheSelectedFileAsOneArgument)
{
    const testing_support::StandIn tool(home() + "/bin", "mapper");
    {
        settings::SettingsStore s;
        s.write(settings::user::kTool1Path, tool.path() + " --edit");
        s.write(settings::user::kTool3Path, home() + "/missing-program");
        s.write(settings::user::kTool3Name, "Gone");
    }
    const QStringList names = {"-n.htm", "a b \"c\" 'd';$(touch x)`touch y`.htm"};
    for (const QString& name : names) writeFile(name, "x");
    start();
    emit window->commands().menu("p3OpenWith")->aboutToShow();
    EXPECT_EQ(window->findChild<QAction*>("p3User1")->text(), "mapper");
    EXPECT_FALSE(enabled("p3User2"));
    EXPECT_EQ(window->findChild<QAction*>("p3User3")->text(), "Gone");
    for (const QString& name : names) {
        QFile::remove(tool.path() + ".args");
        select(name);
        run("p3User1Click");
        EXPECT_EQ(tool.arguments(), QStringList({"--edit", home() + "/" + name}));
    }
    EXPECT_FALSE(QFile::exists(home() + "/x"));
    run("p3User2Click");
    run("p3User3Click");
    EXPECT_EQ(ui.texts(),
              QStringList({"Couldn't launch Application! Check the user defined tool settings in the Options dialog.",
                           "Couldn't launch Application!  Check Options to see that the path to your defined tool "
                           "is correct."}));
}

}  // namespace
