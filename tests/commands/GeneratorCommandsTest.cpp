// New and Quick Page through the main window: the dialog's template in the
// editor as one edit, and Quick Page written, shown in a stand-in browser
// that records its arguments, and left untitled.
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
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(text().starts_with("<!doctype html public \"-//w3c//dtd html 3.2//en\">\r\n\r\n<html>")) << text();
    EXPECT_EQ(body().caretPosition(), 0);
    EXPECT_TRUE(body().isAncestorOf(QApplication::focusWidget()));
    body().undo();
    EXPECT_EQ(text(), "");
}

// While the user name is the default, the Options dialog is offered first;
// the page is written, shown and left in the editor untitled; a stored page is
// shown again unless overwritten; a page that cannot be written is not shown.
TEST_F(Generators, QuickPageIsShownUntitled)
{
    ui.answer(Answer::No);
    run("FileQPageClick");
    EXPECT_EQ(ui.texts(), QStringList{"You haven't filled out the user information yet, would you like to now?"});
    EXPECT_TRUE(text().find("<title>Quillon User's Page</title>") != std::string::npos) << text();
    EXPECT_EQ(browser.arguments(), QStringList{quick});
    const QByteArray page = readFile(quick);
    EXPECT_EQ(QByteArray::fromStdString(text()), page);
    const QString untitled = QStringLiteral("untitled.html - Quillon Pro");
    EXPECT_EQ(std::pair(caption(), body().isModified()), std::pair(untitled, false));
    settings::SettingsStore().write(settings::user::kName, "Ann");
    writeFile("quick.html", "<p>stored</p>");
    ui.answer(Answer::No);  // not overwritten
    run("FileQPageClick");
    EXPECT_EQ(std::tuple(text(), readFile(quick), caption(), body().isModified()),
              std::tuple(std::string("<p>stored</p>"), QByteArray("<p>stored</p>"), untitled, false));
    QFile::remove(quick);
    QDir().mkpath(quick);  // a folder where the page should be
    settings::SettingsStore().write(settings::user::kNsPath, home() + "/missing-browser");
    ui.answer(Answer::Yes);
    run("FileQPageClick");
    ASSERT_EQ(ui.texts().size(), 4) << ui.texts().join('|').toStdString();
    EXPECT_TRUE(ui.texts()[3].startsWith("Cannot save \"" + quick + "\".")) << ui.texts()[3].toStdString();
}

}  // namespace
