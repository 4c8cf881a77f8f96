// New and Quick Page through the main window: the dialog's template in the
// editor as one edit, and Quick Page written, shown in a stand-in browser
// that records its arguments, and left untitled.
#include <QDialog>
#include <QPushButton>

#include "support/MainWindowFixture.h"
#include "support/StandIn.h"

namespace {

using interaction::Answer;

class Generators : public MainWindowTest {
protected:
    void SetUp() override
    {
        settings::SettingsStore store;
        store.write(settings::user::kBrowser, "netscape");
        store.write(settings::user::kNsPath, browser.path());
        store.close();
        start();
        activate();
    }
    void expectUntitledPageShown(const QByteArray& page)
    {
        EXPECT_EQ(browser.arguments(), QStringList{quick});
        EXPECT_EQ(readFile(quick), page);
        EXPECT_EQ(QByteArray::fromStdString(text()), page);
        EXPECT_EQ(window->documentPath(), "");
        EXPECT_EQ(caption(), "untitled.html - Quillon Pro");
        EXPECT_FALSE(window->editor().isModified());
        EXPECT_EQ(window->editor().caretPosition(), 0);
    }

    testing_support::StandIn browser{home() + "/bin", "browser"};
    const QString quick = home() + "/quick.html";  // the current folder: the test binary is not tagsmith
};

TEST_F(Generators, NewOnAModifiedDocumentThenOkGivesTheDefaultPageAsOneEdit)
{
    type("old");
    ui.answer(Answer::No);
    ui.onModal([](QDialog& d) {
        d.findChild<QPushButton*>("btnOk")->click();
        return d.result();
    });
    QTest::keyClick(window.get(), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(ui.texts(), QStringList{"Save changes to untitled.html?"});
    EXPECT_TRUE(text().starts_with("<!doctype html public \"-//w3c//dtd html 3.2//en\">\r\n\r\n<html>")) << text();
    EXPECT_EQ(window->editor().caretPosition(), 0);
    EXPECT_TRUE(window->editor().isAncestorOf(QApplication::focusWidget()));
    window->editor().undo();
    EXPECT_EQ(text(), "");
}

TEST_F(Generators, QuickPageIsWrittenShownAndUntitledNoShowsTheStoredPageAgainAndAFailureIsReported)
{
    ui.answer(Answer::No);  // the user information stays as it is
    run("FileQPageClick");
    EXPECT_EQ(ui.texts(), QStringList{"You haven't filled out the user information yet, would you like to now?"});
    EXPECT_TRUE(text().find("<title>Quillon User's Page</title>") != std::string::npos);
    expectUntitledPageShown(QByteArray::fromStdString(text()));

    QFile::remove(browser.path() + ".args");
    writeFile("quick.html", "<p>stored</p>");
    ui.shown.clear();
    ui.answer(Answer::No);
    ui.answer(Answer::No);
    run("FileQPageClick");
    EXPECT_EQ(ui.texts().value(1), "Overwrite the previous Quick-Page?");
    expectUntitledPageShown("<p>stored</p>");
    // A page that cannot be written is reported and not shown.
    settings::SettingsStore().write(settings::user::kName, "Ann");
    // A browser that cannot start: starting it would be reported at once.
    settings::SettingsStore().write(settings::user::kNsPath, home() + "/missing-browser");
    ui.shown.clear();
    QFile::remove(quick);
    QDir().mkpath(quick);  // a folder where the page should be
    ui.answer(Answer::Yes);
    run("FileQPageClick");
    ASSERT_EQ(ui.texts().size(), 2) << ui.texts().join('|').toStdString();
    EXPECT_EQ(ui.texts()[0], "Overwrite the previous Quick-Page?");
    EXPECT_TRUE(ui.texts()[1].startsWith("Cannot save \"" + quick + "\".")) << ui.texts()[1].toStdString();
}

}  // namespace
