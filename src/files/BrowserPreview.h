// The preview browser: a Chromium-family browser that the editor starts with
// a private profile folder and drives over its DevTools pipe (commands on the
// browser's fd 3, replies and events on its fd 4; no network port). The first
// preview starts it and loads the document; later ones reload the same page
// while it is open; when the user has closed the browser, the next preview
// starts a new one. Nothing here blocks the editor but the bounded wait at
// close: replies are read as they come (QSocketNotifier), and a browser that
// does not answer within the reply timeout is ended and reported.
#pragma once

#include <QObject>
#include <QProcess>
#include <QTimer>
#include <memory>
#include <thread>

#include "DevToolsSession.h"

class QSocketNotifier;
class QTemporaryDir;

namespace files {

// The browsers tried, in order, on the PATH.
inline constexpr const char* kChromiumNames[] = {"chromium", "google-chrome", "microsoft-edge", "chrome"};
// The first of them found on the PATH, empty when none is.
QString findChromium();
// The browser's arguments: `--no-sandbox` only for root (the browser refuses
// to run as root with its sandbox); `headless` for automated tests.
QStringList chromiumArguments(const QString& profileFolder, bool asRoot, bool headless);

// Removes the profile folders in `folder` (the temporary folder) of editors
// that are gone: "quillon-browser-PID-XXXXXX" of a process that is no longer
// alive (storage::isProcessAlive), as the save removes what killed saves left.
// Only real folders of this user go; a link of that name is left as it is.
void removeStaleProfiles(const QString& folder);

class BrowserPreview : public QObject {
    Q_OBJECT
public:
    struct Options {
        bool headless = false;       // tests run the browser without a window
        int replyTimeoutMs = 6'000;  // how long a request may wait for its reply
    };
    // The options of every preview of this process.
    static Options& options();

    explicit BrowserPreview(QObject* parent = nullptr);
    ~BrowserPreview() override;

    // Shows the document at `path` in the browser, starting it when none runs;
    // an empty path shows the message page instead. Returns at once.
    void show(const QString& path);
    // Shows `url` as show() does, without bringing the browser to the front
    // when `toFront` is false; `shown` gets the reply of the navigation.
    void showUrl(const QString& url, DevToolsSession::Reply shown, bool toFront);
    // While set, a browser that stops answering is ended with unanswered()
    // instead of a failure: the live preview starts it anew by itself.
    void setQuietWhenUnanswered(bool quiet) { quietWhenUnanswered_ = quiet; }
    // Closes the browser this preview started (waiting at most a few seconds,
    // then ending it) and removes its profile folder.
    void close();
    // Removes the profiles that killed editors left in the temporary folder
    // (removeStaleProfiles) on a worker thread: a profile is a few hundred
    // files, which can take a good part of a second to delete. The preview's
    // end waits for it.
    void sweepStaleProfiles();

    bool running() const { return process_ != nullptr; }
    qint64 browserPid() const;
    QString profileFolder() const;
    DevToolsSession& session() { return session_; }
    // Sends a command (see DevToolsSession::request) under the reply timeout.
    int request(const QString& method, const QJsonObject& params, bool onPage, DevToolsSession::Reply done);

    // What the message page says when there is no document to show.
    static QString nothingToShowText();

signals:
    // The browser could not be started or failed; the text says why.
    void failed(const QString& message);
    // The browser did not answer in time and was ended (see setQuietWhenUnanswered).
    void unanswered();
    // The browser has ended, for whatever reason: replies still awaited never come.
    void stopped();

private:
    bool start();
    void readReplies();
    void finished(int exitCode, QProcess::ExitStatus status);
    void armWatchdog(bool replied);
    // Ends the browser at once (no message for its end), then reports `message`.
    void fail(const QString& message);
    void failLater(const QString& message, int delayMs = 0);
    void stopBrowser(bool politely);
    void release();
    bool writeFrame(const QByteArray& frame);
    bool writeOutgoing();

    DevToolsSession session_;
    MessageFraming framing_;
    QProcess* process_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
    QSocketNotifier* writeNotifier_ = nullptr;
    QByteArray outgoing_;  // written as the browser reads
    qsizetype outgoingWritten_ = 0;
    std::unique_ptr<QTemporaryDir> profile_;
    int commandFd_ = -1;
    int replyFd_ = -1;
    bool replyEnded_ = false;
    bool stopping_ = false;
    bool quietWhenUnanswered_ = false;
    int generation_ = 0;  // browsers started so far: a late failure of an old one is dropped
    QTimer watchdog_;
    std::thread sweeper_;
};

}  // namespace files
