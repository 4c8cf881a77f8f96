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
        store.write(settings::user::kName, "Ann");  // Quick Page offers no Options dialog then
        store.close();
        start();
        activate();
    }
    // Quick Page wrote and showed `page`, left in the editor untitled.
    void expectUntitledPageShown(const QByteArray& page)
    {
        EXPECT_EQ(browser.arguments(), QStringList{quick});
        EXPECT_EQ(readFile(quick), page);
        EXPECT_EQ(QByteArray::fromStdString(text()), page);
        EXPECT_EQ(caption(), "untitled.html - Quillon Pro");
        EXPECT_FALSE(body().isModified());
    }

    testing_support::StandIn browser{home() + "/bin", "browser"};
    const QString quick = home() + "/quick.html";  // the current folder: the test binary is not tagsmith
};

TEST_F(Generators, NewGivesTheChosenTemplateAsOneEdit)
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
    EXPECT_EQ(body().caretPosition(), 0);
    EXPECT_TRUE(body().isAncestorOf(QApplication::focusWidget()));
    body().undo();
    EXPECT_EQ(text(), "");
}

TEST_F(Generators, QuickPageIsShownUntitled)
{
    run("FileQPageClick");
    EXPECT_TRUE(text().find("<title>Ann's Page</title>") != std::string::npos) << text();
    expectUntitledPageShown(QByteArray::fromStdString(text()));
}

// While the user name is the default, the Options dialog is offered first.
TEST_F(Generators, QuickPageOffersTheOptionsToAFirstUser)
{
    settings::SettingsStore().write(settings::user::kName, settings::user::kName.def);
    ui.answer(Answer::No);
    run("FileQPageClick");
    EXPECT_EQ(ui.texts(), QStringList{"You haven't filled out the user information yet, would you like to now?"});
    EXPECT_TRUE(text().find("<title>Quillon User's Page</title>") != std::string::npos);
}

TEST_F(Generators, AStoredQuickPageIsShownAgainUnlessOverwritten)
{
    writeFile("quick.html", "<p>stored</p>");
    ui.answer(Answer::No);
    run("FileQPageClick");
    EXPECT_EQ(ui.texts(), QStringList{"Overwrite the previous Quick-Page?"});
    expectUntitledPageShown("<p>stored</p>");
}

// A browser that cannot start would be reported at once: it is not started.
TEST_F(Generators, AQuickPageThatCannotBeWrittenIsNotShown)
{
    settings::SettingsStore().write(settings::user::kNsPath, home() + "/missing-browser");
    QDir().mkpath(quick);  // a folder where the page should be
    ui.answer(Answer::Yes);
    run("FileQPageClick");
    ASSERT_EQ(ui.texts().size(), 2) << ui.texts().join('|').toStdString();
    EXPECT_TRUE(ui.texts()[1].startsWith("Cannot save \"" + quick + "\".")) << ui.texts()[1].toStdString();
}

}  // namespace
