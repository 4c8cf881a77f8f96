// The conversation with a Chromium-family browser over its DevTools pipe,
// without the pipe itself: message framing, request ids and the preview's
// state machine (find or open the page, attach to it, enable it, then navigate
// or reload it). BrowserPreview owns the process and the pipe and feeds this
// class the messages; tests feed it recorded ones.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QString>
#include <functional>
#include <map>
#include <vector>

namespace files {

// The browser writes each message as one JSON text followed by one NUL byte;
// a read may end anywhere, so bytes are kept until their NUL arrives.
class MessageFraming {
public:
    // Appends `bytes` and returns the messages they complete, oldest first.
    std::vector<QByteArray> take(QByteArrayView bytes);
    bool holdsPartialMessage() const { return !buffer_.isEmpty(); }

private:
    QByteArray buffer_;
};

// One message as written to the browser: compact JSON and the NUL.
QByteArray frameMessage(const QJsonObject& message);

// The URL the browser is given for a document: a percent-encoded file URL
// (a raw "#" or blank in a path would not load).
QString documentUrl(const QString& path);
// A data URL of a small page showing `text`.
QString messagePageUrl(const QString& text);

class DevToolsSession {
public:
    enum class State {
        Stopped,     // no browser
        Starting,    // browser started: looking for its first page
        Attaching,   // attaching to the page and enabling its events
        Ready,       // the page can be navigated
        PageClosed,  // the browser runs but the user closed the page
    };
    using Reply = std::function<void(const QJsonObject& reply)>;
    // Writes one framed message; false when the browser can no longer be written to.
    using Writer = std::function<bool(const QByteArray& frame)>;

    explicit DevToolsSession(Writer writer) : write_(std::move(writer)) {}

    State state() const { return state_; }
    // What the page shows, as the browser last reported it.
    QString shownUrl() const { return shownUrl_; }
    QString targetId() const { return targetId_; }
    bool waitingForReply() const { return !pending_.empty(); }
    // A preview asked for and not yet sent to the page.
    bool showPending() const { return !wantedUrl_.isEmpty(); }

    // The browser process has just been started (commands wait in the pipe).
    void browserStarted();
    // The browser has ended: everything about it is forgotten.
    void browserGone();
    // Shows `url` in the page: reloads it, keeping the scroll position, when
    // the page shows that URL already, else navigates; then brings the page to
    // the front unless `toFront` is false (the live preview must not take the
    // keyboard from the editor). Before the page is ready only the latest URL
    // is kept; `shown` gets the reply of its navigation or reload.
    void show(const QString& url, Reply shown = {}, bool toFront = true);
    // Asks the browser to close (all its windows).
    void closeBrowser();
    // Handles one message of the browser: a reply (it has an "id"), an event
    // (a "method") or a protocol error (neither), which is ignored.
    void receive(const QByteArray& message);
    // Sends a command, on the page's session when `onPage`, and returns its
    // id (0 when it could not be written); `done` gets the whole reply.
    int request(const QString& method, const QJsonObject& params, bool onPage, Reply done = {});

    // A failure the author is told about: the browser refused a step.
    std::function<void(const QString& reason)> onFailure;

private:
    void openNewPage();
    void attach(const QString& targetId);
    void forgetPage();
    void showWanted();
    void fail(const QString& step, const QJsonObject& reply);

    Writer write_;
    State state_ = State::Stopped;
    int lastId_ = 0;
    std::map<int, Reply> pending_;
    QString targetId_;
    QString sessionId_;
    QString shownUrl_;
    QString wantedUrl_;
    Reply wantedShown_;
    bool wantedToFront_ = true;
    bool retried_ = false;
};

}  // namespace files
