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
#include <QStatusBar>
#include <cstdio>

#include "files/ByType.h"
#include "files/SidePanel.h"
#include "files/TFileDrag.h"
#include "markup/Captions.h"
#include "support/MainWindowFixture.h"
#include "support/Marked.h"
#include "support/StandIn.h"

namespace {

using interaction::Answer;

class SideCommands : public MainWindowTest {
protected:
    QListView& list() { return *window->sidePanel().fileBox(); }
    QModelIndex item(const QString& name)
    {
        return static_cast<QFileSystemModel*>(list().model())->index(home() + "/" + name);
    }
    // Selects the file `name` of the folder shown, once the list shows it.
    void select(const QString& name)
    {
        window->sidePanel().refresh();
        ASSERT_TRUE(QTest::qWaitFor([&] { return item(name).isValid(); }, 5000)) << name.toStdString();
        list().setCurrentIndex(item(name));
    }
    bool enabled(const char* name) { return window->findChild<QAction*>(name)->isEnabled(); }
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
    std::string shown() { return marked::selection(window->editor()); }
    QString notice() { return window->statusBar()->currentMessage(); }
};

TEST_F(SideCommands, DropsOnTheEditorAndTheWindowInsertAReferenceToTheFirstFile)
{
    start();
    window->setHighlightingOn(true);
    // Where a drag over the editor arrives.
    ASSERT_TRUE(drop(window->editor().childAt(window->editor().rect().center()), {"notes.txt"}));
    EXPECT_EQ(shown(), "<a href=\"notes.txt\">|</a>");
    EXPECT_EQ(marked::colours(window->editor()), "{<a href=\"notes.txt\"></a>}");

    window->editor().loadText("Text");
    window->editor().selectAll();
    ASSERT_TRUE(drop(window.get(), {"style.css", "b.tar.gz", "README"}));
    EXPECT_EQ(shown(), "Text<link rel=stylesheet href=\"style.css\" type=\"text/css\">|");
    const auto* eDrag = window->findChild<files::TFileDrag*>("eDrag");
    EXPECT_EQ(eDrag->FileCount(), 3);
    // Ignored kinds change nothing; a GIF too short for its header is reported.
    writeFile("cut.gif", "GIF89a");
    for (const char* name : {"report.doc", "cut.gif"}) ASSERT_TRUE(drop(window.get(), {name}));
    EXPECT_EQ(shown(), "Text<link rel=stylesheet href=\"style.css\" type=\"text/css\">|");
    EXPECT_EQ(ui.texts(), QStringList{"Cannot open \"" + home() +
                                      "/cut.gif\".\nThe file is too short for a GIF "
                                      "header (6 of 14 bytes)."});
}

TEST_F(SideCommands, OpeningFromTheListInsertsImagesAndAsksBeforeReplacingTheDocument)
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
    EXPECT_EQ(shown(), "x<img src=\"images/photo.jpeg\" align=\"\" border=\"0\" alt=\"\">\r\n|");

    select("other.html");  // (a Cancel there: LifecycleTest)
    ui.answer(Answer::No);
    run("fileboxDblClick");
    EXPECT_EQ(ui.texts(), QStringList({"Save Changes to untitled.html?"}));
    EXPECT_EQ(text(), "<p>other</p>");
    EXPECT_EQ(caption(), other + " - Quillon Pro");
    EXPECT_FALSE(window->editor().isModified());
}

TEST_F(SideCommands, FileEntriesNeedASelectedFileThePromptNamesAndDeleteAsks)
{
    writeFile("index.htm", "index");
    start();
    emit window->commands().menu("pFileMenu")->aboutToShow();
    for (const char* name : {"p3Open", "p3OpenWith", "p3Rename", "p3Delete"}) EXPECT_FALSE(enabled(name)) << name;
    QTest::keyClick(&list(), Qt::Key_Delete);
    select("index.htm");
    emit window->commands().menu("pFileMenu")->aboutToShow();
    for (const char* name : {"p3Open", "p3OpenWith", "p3Rename", "p3Delete"}) EXPECT_TRUE(enabled(name)) << name;

    // The prompt, filled with the selected file's name: OK with a name, Cancel without.
    QStringList prefilled;
    for (const QString name : {"drafts", "", "home.htm"})
        ui.onModal([&prefilled, name](QDialog& prompt) {
            prefilled << prompt.findChild<QLineEdit*>("txtName")->text();
            prompt.findChild<QLineEdit*>("txtName")->setText(name);
            prompt.done(name.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
            return prompt.result();
        });
    run("p2CreateClick");
    run("p3RenameClick");
    EXPECT_TRUE(QFileInfo(home() + "/drafts").isDir());
    EXPECT_TRUE(QFile::exists(home() + "/index.htm"));
    run("p3RenameClick");
    EXPECT_EQ(prefilled, QStringList({"index.htm", "index.htm", "index.htm"}));
    EXPECT_EQ(readFile(home() + "/home.htm"), "index");

    select("home.htm");
    ui.answer(Answer::No);
    QTest::keyClick(&list(), Qt::Key_Delete);
    ui.answer(Answer::Yes);
    run("p3DeleteClick");
    EXPECT_EQ(ui.texts(), QStringList({"Delete home.htm?", "Delete home.htm?"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !item("home.htm").isValid() && !item("index.htm").isValid(); }, 5000));
    EXPECT_FALSE(QFile::exists(home() + "/home.htm"));
}

TEST_F(SideCommands, OpenWithGivesTheToolTheSelectedFileAsOneArgument)
{
    const testing_support::StandIn tool(home() + "/bin", "mapper");
    settings::SettingsStore s;
    s.write(settings::user::kTool1Path, tool.path() + " --edit");
    s.write(settings::user::kTool3Path, home() + "/missing-program");
    s.close();
    const QString name = "-n a \"c\" 'd';$(touch x)`touch y`.htm";
    writeFile(name, "x");
    start();
    emit window->commands().menu("p3OpenWith")->aboutToShow();
    EXPECT_EQ(window->findChild<QAction*>("p3User1")->text(), "mapper");
    EXPECT_FALSE(enabled("p3User2"));
    select(name);
    run("p3User1Click");
    EXPECT_EQ(tool.arguments(), QStringList({"--edit", home() + "/" + name}));
    EXPECT_FALSE(QFile::exists(home() + "/x"));
    run("p3User2Click");
    run("p3User3Click");
    EXPECT_EQ(ui.texts(),
              QStringList({"Couldn't launch Application! Check the user defined tool settings in the Options dialog.",
                           "Couldn't launch Application!  Check Options to see that the path to your defined tool "
                           "is correct."}));
}

// Site folders are named after their domains: only the file name decides
// what a file becomes. A file of a type left alone is refused with a word
// that names it and the type.
TEST_F(SideCommands, OnlyTheFileNameDecidesAndARefusalIsSaid)
{
    QDir().mkpath(home() + "/www.example.com");
    const QString site = writeFile("www.example.com/index.html", "<p>site</p>");
    writeFile("www.example.com/setup.exe", "MZ");
    start();
    ASSERT_TRUE(window->sidePanel().setFolder(home() + "/www.example.com"));
    select("www.example.com/index.html");
    run("fileboxDblClick");
    EXPECT_EQ(window->documentPath(), site);
    EXPECT_EQ(text(), "<p>site</p>");

    select("www.example.com/setup.exe");
    run("fileboxDblClick");
    EXPECT_EQ(window->documentPath(), site);
    const QString exe = files::ignoredType("setup.exe", files::Arrival::Opened);
    EXPECT_TRUE(notice().contains("setup.exe") && notice().contains(exe)) << notice().toStdString();
    ASSERT_TRUE(drop(window.get(), {"www.example.com/README.doc"}));
    EXPECT_EQ(text(), "<p>site</p>");
    const QString doc = files::ignoredType("README.doc", files::Arrival::Dropped);
    EXPECT_TRUE(notice().contains("README.doc") && notice().contains(doc)) << notice().toStdString();
    EXPECT_TRUE(ui.shown.empty());
}

// A name that is not UTF-8 is listed as Qt decodes it, with U+FFFD, which is
// also the name of its twin: the one entry stands for both, and Open, Open
// With, Rename, Delete and drops (its own bytes in a URL, or the entry
// dragged) refuse it with a word; neither file is touched.
TEST_F(SideCommands, ANameThatIsNotUtf8IsRefusedByEveryCommandAndDrop)
{
    const QByteArray latin = QFile::encodeName(home()) + "/caf\xe9.html",
                     twin = QFile::encodeName(home()) + "/caf\xef\xbf\xbd.html";
    for (const QByteArray& name : {latin, twin}) {
        FILE* f = std::fopen(name.constData(), "w");
        ASSERT_TRUE(f);
        std::fputs(name.constData(), f);
        std::fclose(f);
    }
    const testing_support::StandIn tool(home() + "/bin", "tool");
    settings::SettingsStore().write(settings::user::kTool1Path, tool.path());
    start();
    const QString listed = QFile::decodeName(latin);
    select(markup::FileNamePart(listed));
    ui.answer(Answer::Yes);
    ui.onModal([](QDialog& prompt) {
        prompt.findChild<QLineEdit*>("txtName")->setText("renamed.html");
        prompt.done(QDialog::Accepted);
        return prompt.result();
    });
    for (const char* command : {"fileboxDblClick", "p3User1Click", "p3RenameClick", "p3DeleteClick"}) {
        window->statusBar()->clearMessage();
        run(command);
        EXPECT_TRUE(notice().contains(listed)) << command << ' ' << notice().toStdString();
    }
    for (const QList<QUrl>& urls : {QList<QUrl>{QUrl::fromEncoded("file://" + latin.toPercentEncoding("/"))},
                                    QList<QUrl>{QUrl::fromLocalFile(listed)}}) {
        window->statusBar()->clearMessage();
        ASSERT_TRUE(drop(window.get(), urls));
        EXPECT_TRUE(notice().contains(listed)) << notice().toStdString();
    }
    EXPECT_EQ(text(), "");
    EXPECT_EQ(ui.texts(), QStringList());  // no question to delete
    EXPECT_FALSE(tool.ran());
    EXPECT_FALSE(QFile::exists(home() + "/renamed.html"));
    for (const QByteArray& name : {latin, twin}) {
        char kept[64] = {};
        FILE* f = std::fopen(name.constData(), "r");
        ASSERT_TRUE(f) << name.toHex().constData();
        EXPECT_STREQ(std::fgets(kept, sizeof kept, f), name.constData());
        std::fclose(f);
    }
    std::remove(latin.constData());  // which the temporary home's removal cannot name
}

}  // namespace
