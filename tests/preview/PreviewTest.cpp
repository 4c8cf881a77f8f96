// F9 through the main window. The "netscape" choice starts a stand-in program
// that records its arguments; the "microsoft" choice drives a real headless
// Chromium (these tests are skipped, with a notice, where none is installed)
// or stand-ins that fail the way a browser can; the profile a killed editor
// left is removed at the next start.
#include <QDirIterator>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QSet>
#include <QStatusBar>
#include <QToolButton>

#include "files/BrowserPreview.h"
#include "files/LivePreview.h"
#include "files/SidePanel.h"
#include "settings/SettingsTable.h"
#include "support/MainWindowFixture.h"
#include "support/StandIn.h"

namespace {

using interaction::Answer;

class Preview : public MainWindowTest {
protected:
    void TearDown() override
    {
        files::BrowserPreview::options() = {};
        MainWindowTest::TearDown();
    }
    static void choose(const QString& browser, const QString& program = QStringLiteral("/nonexistent"))
    {
        settings::SettingsStore store;
        store.write(settings::user::kBrowser, browser);
        store.write(settings::user::kNsPath, program);
    }
    // An executable shell script in the test's home.
    static QString script(const QString& name, const QByteArray& body)
    {
        const QString path = writeFile(name, "#!/bin/sh\n" + body + "\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    files::BrowserPreview& preview() { return *window->findChild<files::BrowserPreview*>("BrowserPreview"); }
    bool waitFor(const std::function<bool()>& done, int ms = 10'000) { return QTest::qWaitFor(done, ms); }
};

// The document is saved first and its path given whole, as one argument (a
// hostile name: tests/files, UserTools). Untitled, Yes and the save dialog
// cancelled: a browser is only started; the desktop's opener, which needs a
// file, is not, and the status bar says why.
TEST_F(Preview, TheSavedPathIsOneArgumentAndUntitledStartsTheBrowserAlone)
{
    const testing_support::StandIn browser(home() + "/stand in", "browser"), opener(home() + "/bin", "xdg-open");
    choose("netscape", '"' + browser.path() + "\" --new-tab");
    const QString page = writeFile("my page.html", "<p>old</p>");
    start({page});
    body().replaceAll("<p>new</p>");
    run("ToolsBrowserClick");
    EXPECT_EQ(browser.arguments(), QStringList({"--new-tab", page}));
    EXPECT_EQ(readFile(page), "<p>new</p>");
    QFile::remove(browser.path() + ".args");  // the record of that run
    for (const QString& program : {'"' + browser.path() + "\" --new-tab", opener.path()}) {
        choose("netscape", program);
        start();
        ui.answer(Answer::Yes);
        ui.fileName(QString());
        run("ToolsBrowserClick");
    }
    EXPECT_EQ(browser.arguments(), QStringList{"--new-tab"});
    EXPECT_EQ(ui.texts().value(0), "You haven't saved the file, launch browser anyway?");
    EXPECT_EQ(window->statusBar()->currentMessage(), "The document must be saved to be shown in the browser.");
    EXPECT_FALSE(opener.ran());
}

// "netscape" is every choice but one; the other, in any letter case, drives
// a Chromium-family browser: one that cannot start, is missing, ends or never answers is said.
// Live preview needs the Chromium-family choice and such a browser: its tip
// says which is missing, and a stored check mark stays without effect.
TEST_F(Preview, ABrowserThatFailsOrIsMissingIsReported)
{
    settings::SettingsStore().write(settings::window::kLivePreview, true);
    const auto noLivePreview = [&](const char* why) {
        const QAction* entry = action("ViewLivePreview");
        EXPECT_TRUE(!entry->isEnabled() && entry->statusTip().startsWith(why)) << entry->statusTip().toStdString();
        EXPECT_FALSE(window->findChild<files::LivePreview*>("LivePreview")->isOn());
    };
    const QString page = writeFile("page.html", "x");
    choose("NetScape", QString());
    start({page});
    noLivePreview("Live preview needs the choice \"Chromium browser");
    run("ToolsBrowserClick");
    EXPECT_EQ(ui.texts(), QStringList{"Couldn't launch Netscape!  Check Options to see that the path is correct."});
    const struct {
        QByteArray script;  // the "chromium" on the PATH; empty: none
        QString message;
    } cases[] = {
        {"", "Couldn't find a web browser for the preview"},
        {"exit 3", "The web browser stopped unexpectedly (exit code 3)."},
        {"exec /bin/sleep 30", "The web browser did not answer within 0.5 seconds"},
    };
    choose("Microsoft");
    files::BrowserPreview::options().replyTimeoutMs = 500;
    for (const auto& c : cases) {
        const QString folder = "bin" + QString::number(&c - cases);
        if (!c.script.isEmpty()) script(folder + "/chromium", c.script);
        qputenv("PATH", (home() + "/" + folder).toUtf8());  // only the browsers of `folder` (restored after)
        ui.shown.clear();
        settings::SettingsStore().write(settings::window::kLivePreview, c.script.isEmpty());  // where it cannot run
        start({page});
        if (c.script.isEmpty()) noLivePreview("Live preview needs a Chromium-family browser: none of chromium");
        run("ToolsBrowserClick");
        EXPECT_TRUE(waitFor([&] { return !ui.shown.empty(); }, 5000));
        EXPECT_TRUE(ui.texts().value(0).startsWith(c.message)) << ui.texts().join('|').toStdString();
        EXPECT_FALSE(preview().running());
    }
}

// The profile a killed editor left (each is named after its editor: the
// Chromium tests) is removed at the next start; a link planted under such a
// name and the profile of an editor that runs are not.
TEST_F(Preview, AGoneEditorsBrowserProfileIsRemovedAtTheNextStart)
{
    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForStarted());
    const QString profiles = "quillon-browser-" + QString::number(gone.processId()) + "-";
    ASSERT_TRUE(gone.waitForFinished());
    writeFile(profiles + "left/Default/Preferences", "{}");
    const auto left = [&] { return QDir(home()).entryList({profiles + "*"}, QDir::AllEntries | QDir::System); };
    writeFile("elsewhere/kept", "kept");
    ASSERT_TRUE(QFile::link(home() + "/elsewhere", home() + "/" + profiles + "planted"));
    const QString live = "quillon-browser-" + QString::number(QCoreApplication::applicationPid()) + "-live";
    QDir().mkpath(home() + "/" + live);

    const QByteArray tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", home().toUtf8());
    start();
    tmpdir.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmpdir);
    EXPECT_TRUE(waitFor([&] { return left() == QStringList{profiles + "planted"}; }, 10000))
        << left().join(' ').toStdString();
    EXPECT_EQ(readFile(home() + "/elsewhere/kept"), "kept");
    EXPECT_TRUE(QFileInfo(home() + "/" + live).isDir());
}

// The preview browser for real, headless.
class Chromium : public Preview {
protected:
    void SetUp() override
    {
        if (files::findChromium().isEmpty())
            GTEST_SKIP() << "No Chromium-family browser on the PATH (scripts/setup installs Debian's chromium)";
        files::BrowserPreview::options().headless = true;
        choose("microsoft");
    }
    // Evaluates `expression` in the page, over the same pipe.
    QString evaluate(const QString& expression)
    {
        auto result = std::make_shared<std::optional<QString>>();
        const QJsonObject params{{"expression", expression}, {"returnByValue", true}};
        preview().request("Runtime.evaluate", params, true, [result](const QJsonObject& reply) {
            *result = reply["result"]["result"]["value"].toVariant().toString();
        });
        waitFor([result] { return result->has_value(); }, 5000);
        return result->value_or("<no reply>");
    }
    bool shows(const QString& text)
    {
        return waitFor([&] { return evaluate("document.body ? document.body.innerText : ''") == text; });
    }
};

TEST_F(Chromium, FirstF9StartsTheBrowserLaterOnesReloadKeepingTheScrollOrShowTheFileAgain)
{
    const QString page = writeFile("my page #1.html", "<p>version one</p><div style='height:9000px'></div>");
    start({page});
    run("ToolsBrowserClick");
    run("ToolsBrowserClick");  // while it is still starting: no second browser
    const qint64 pid = preview().browserPid();
    ASSERT_TRUE(shows("version one"));
    EXPECT_EQ(evaluate("location.href"), QUrl::fromLocalFile(page).toString(QUrl::FullyEncoded));
    evaluate("scrollTo(0, 700), String(scrollY)");

    window->bodyControl().replaceAll("<p>version two</p><div style='height:9000px'></div>");
    run("ToolsBrowserClick");
    EXPECT_TRUE(shows("version two"));
    EXPECT_TRUE(waitFor([&] { return evaluate("String(scrollY)") == "700"; }));
    EXPECT_EQ(preview().browserPid(), pid);
    // After the user closed the page, or the browser, F9 shows the file again.
    preview().request("Target.closeTarget", {{"targetId", preview().session().targetId()}}, false, {});
    ASSERT_TRUE(waitFor([&] { return preview().session().state() == files::DevToolsSession::State::PageClosed; }));
    run("ToolsBrowserClick");
    EXPECT_TRUE(shows("version two"));
    EXPECT_EQ(preview().browserPid(), pid);
    ::kill(pid_t(pid), SIGTERM);  // as when its last window is closed
    ASSERT_TRUE(waitFor([&] { return !preview().running(); }));
    run("ToolsBrowserClick");
    EXPECT_TRUE(shows("version two"));
    EXPECT_NE(preview().browserPid(), pid);
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join('|').toStdString();
}

// The processes of the preview browser: each names its profile folder, but
// for the crash reporters, which name their database in the (test's) home.
QStringList browserProcesses(const QString& profile)
{
    QStringList found;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile cmdline("/proc/" + pid + "/cmdline");
        if (!pid.front().isDigit() || !cmdline.open(QIODevice::ReadOnly)) continue;
        const QByteArray words = cmdline.readAll();
        if (words.contains(profile.toUtf8()) || words.contains(QDir::homePath().toUtf8() + "/.config/chromium"))
            found << pid;
    }
    return found;
}

// The inodes of the sockets the processes hold.
QSet<QByteArray> socketsOf(const QStringList& pids)
{
    QSet<QByteArray> sockets;
    for (const QString& pid : pids)
        for (QDirIterator fd("/proc/" + pid + "/fd", QDir::System); fd.hasNext();)
            if (const QString target = fd.nextFileInfo().symLinkTarget(); target.contains("socket:["))
                sockets.insert(target.section('[', 1).chopped(1).toLatin1());
    return sockets;
}

TEST_F(Chromium, TheBrowserIsReachedOverItsPipeAlone)
{
    start();
    ui.answer(Answer::Yes);
    ui.fileName(QString());  // the save dialog cancelled
    run("ToolsBrowserClick");
    ASSERT_TRUE(shows(files::BrowserPreview::nothingToShowText()));

    const QString profile = preview().profileFolder();
    EXPECT_TRUE(QFileInfo(profile).fileName().startsWith("quillon-browser-" +
                                                         QString::number(QCoreApplication::applicationPid()) + "-"));
    EXPECT_EQ((QFileInfo(profile).permissions() & 0x0077).toInt(), 0) << "profile open to others";
    const QStringList processes = browserProcesses(profile);
    EXPECT_TRUE(processes.contains(QString::number(preview().browserPid())));
    // No socket of the browser's listens on the network (the kernel's tables).
    const QSet<QByteArray> sockets = socketsOf(processes);
    EXPECT_FALSE(sockets.isEmpty());  // the check sees the browser's own sockets
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6", "/proc/net/udp", "/proc/net/udp6"}) {
        QFile file(table);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> f = line.simplified().split(' ');
            const bool listening = QByteArray(table).contains("udp") || f.value(3) == "0A";
            if (f.size() > 9 && listening) {
                EXPECT_FALSE(sockets.contains(f[9])) << table << ": " << line.data();
            }
        }
    }
    const qint64 pid = preview().browserPid();
    window->close();
    EXPECT_FALSE(QFile::exists("/proc/" + QString::number(pid)));
    EXPECT_TRUE(waitFor([&] { return browserProcesses(profile).isEmpty() && !QFileInfo::exists(profile); }, 5000));
}

// The live preview for real: the page follows the editor's text, unsaved.
class Live : public Chromium {
protected:
    void SetUp() override
    {
        Chromium::SetUp();
        // The pages below are typed whole, end tags included.
        settings::SettingsStore().write(settings::user::kCloseTags, false);
        writeFile("site/s.css", "p { color: rgb(1, 2, 3) }");
        // A 1x1 GIF: its natural width tells that it loaded.
        writeFile("site/i.gif", QByteArray::fromBase64("R0lGODlhAQABAAAAACwAAAAAAQABAAACAkQBADs="));
    }
    files::LivePreview& live() { return *window->findChild<files::LivePreview*>("LivePreview"); }
    QString styled() { return evaluate("getComputedStyle(document.querySelector('p')).color"); }
};

TEST_F(Live, TypedTextShowsUnsavedWithLinksResolvedAndTheScrollKept)
{
    // Longer than a pipe holds: the text reaches the browser in pieces.
    const QByteArray html =
        "<link rel=stylesheet href=s.css><p id=a>saved</p><img src=i.gif>"
        "<div style='height:3000px'></div><p id=b>anchor</p><div style='height:9000px'></div>" +
        QByteArray(100'000, '\n');
    const QString page = writeFile("site/page.html", html);
    const QStringList before = QDir(home() + "/site").entryList(QDir::AllEntries | QDir::Hidden);
    start({page});
    run("ViewLivePreviewClick");
    ASSERT_TRUE(live().isOn());
    EXPECT_TRUE(settings::SettingsStore().read(settings::window::kLivePreview));
    body().setSelection(body().findText("saved", 0, body().length()), 5);
    type("typed");
    EXPECT_TRUE(waitFor([&] { return evaluate("document.getElementById('a').innerText") == "typed"; }));
    EXPECT_EQ(styled(), "rgb(1, 2, 3)");
    EXPECT_EQ(evaluate("String(document.images[0].naturalWidth)"), "1");
    EXPECT_EQ(readFile(page), html);

    // An edit above the view leaves the element at the top where it was.
    evaluate("scrollTo(0, document.getElementById('b').offsetTop), ''");
    const QString where = "String(Math.round(document.getElementById('b').getBoundingClientRect().top))";
    const QString top = evaluate(where);
    body().setSelection(0, 0);
    type("<h1>new</h1>");
    EXPECT_TRUE(waitFor([&] { return evaluate("document.querySelector('h1')?.innerText ?? ''") == "new"; }));
    EXPECT_EQ(evaluate(where), top);

    // Untitled: relative URLs resolve against the side panel's folder.
    window->findChild<files::SidePanel*>()->setFolder(home() + "/site");
    ui.answer(Answer::No);
    run("FileNewClick");
    type("<link rel=stylesheet href=s.css><p>untitled</p><img src=i.gif>");
    EXPECT_TRUE(shows("untitled"));
    EXPECT_EQ(styled(), "rgb(1, 2, 3)");
    EXPECT_EQ(evaluate("String(document.images[0].naturalWidth)"), "1");
    EXPECT_EQ(QDir(home() + "/site").entryList(QDir::AllEntries | QDir::Hidden), before);
    EXPECT_EQ(ui.texts(), QStringList{"Save changes to page.html?"});
    // Above the limit the updates pause, said once; the page stays as it was.
    body().replaceAll(std::string(size_t(files::LivePreview::kMaxBytes) + 1, 'x'));
    EXPECT_TRUE(waitFor([&] { return window->statusBar()->currentMessage().startsWith("Live preview paused"); }));
    EXPECT_EQ(evaluate("document.body.innerText"), "untitled");
}

// The caret's element is outlined, and a style sheet changed on disk shows.
TEST_F(Live, OutlinesTheCaretsElementAndFollowsLinkedFiles)
{
    settings::SettingsStore().write(settings::window::kLivePreview, true);  // on from the start
    start({writeFile("site/page.html", "<link rel=stylesheet href=s.css><p>one</p><ul><li>a<li>b</ul><p>two</p>")});
    const QString outlined =
        "(e => e ? e.nodeName + [...document.getElementsByTagName(e.nodeName)].indexOf(e) : '')"
        "(document.querySelector('[data-quillon-caret]'))";
    const struct {
        const char* after;
        const char* element;
    } carets[] = {{"b", "LI1"}, {"tw", "P1"}, {"one", "P0"}, {"</ul>", ""}};
    for (const auto& c : carets) {
        body().setSelection(body().findText(c.after, 0, body().length()) + qsizetype(strlen(c.after)), 0);
        EXPECT_TRUE(waitFor([&] { return evaluate(outlined) == c.element; })) << c.after;
    }
    EXPECT_EQ(evaluate("getComputedStyle(document.querySelector('p')).outlineStyle"), "none");
    writeFile("site/s.css", "p { color: rgb(4, 5, 6) }");
    EXPECT_TRUE(waitFor([&] { return styled() == "rgb(4, 5, 6)"; }));
}

// A page whose script never ends: keys still work at once, and the browser
// is ended and started anew, said once in the status bar.
TEST_F(Live, AnEndlessScriptLeavesTheEditorAnswering)
{
    files::BrowserPreview::options().replyTimeoutMs = 1500;
    start({writeFile("site/page.html", "<p>calm</p>")});
    run("ViewLivePreviewClick");
    ASSERT_TRUE(shows("calm"));
    const qint64 pid = preview().browserPid();
    body().setSelection(body().length(), 0);
    type("<script>for (;;) {}</script>");
    QElapsedTimer keys;
    keys.start();
    for (int i = 0; i < 20; ++i) {
        type("x");
        QTest::qWait(100);
    }
    EXPECT_LT(keys.elapsed(), 2000 + 2000);  // the waits, and room for a loaded machine
    EXPECT_TRUE(body().text().ends_with(std::string(20, 'x')));
    const QString said = "The preview browser stopped answering";
    EXPECT_TRUE(waitFor([&] { return window->statusBar()->currentMessage().startsWith(said); }));
    body().replaceAll("<p>calm again</p>");
    EXPECT_TRUE(shows("calm again"));
    EXPECT_NE(preview().browserPid(), pid);
    EXPECT_TRUE(ui.shown.empty()) << ui.texts().join('|').toStdString();
}

}  // namespace
