// The live preview: the preview browser follows the editor's text as it is
// typed, unsaved edits included, and outlines the element at the caret.
//
// The page is first loaded from the document's own URL (its folder for an
// untitled document), so relative URLs resolve exactly as for the saved file;
// its content is then replaced by the editor's text. Later edits are patched
// into the live page (the new text parsed in the page, only the nodes that
// differ replaced), which keeps the scroll position, typed form values and
// unchanged images and style sheets, and costs a fraction of a reload; an edit
// that changes a script replaces the whole content so that it runs.
//
// The editor never waits: edits restart a short timer on the GUI thread, at
// most one update is in flight, and when it is answered the newest text is
// sent if it changed. Files the page links on disk are watched; a change to
// one loads the page anew (with the browser's cache off, so that they are
// read again), puts the text in and scrolls back to where it was.
#pragma once

#include <QFileSystemWatcher>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <functional>

namespace files {

class BrowserPreview;

class LivePreview : public QObject {
    Q_OBJECT
public:
    // What the page is to show, taken when the timer fires.
    struct Snapshot {
        QString html;           // the editor's text
        QString baseUrl;        // the document's URL, or its folder's ending in "/"
        QString caretTag;       // the element at the caret: its tag name, empty for none,
        int caretOrdinal = 0;   // and how many start tags of that name come before it
        bool tooLarge = false;  // above kMaxBytes: html is left empty
    };
    using Source = std::function<Snapshot()>;
    // Larger documents pause the live updates (F9 still shows them).
    static constexpr qint64 kMaxBytes = 5 * 1024 * 1024;
    // How long typing must rest before the page is updated.
    static constexpr int kDebounceMs = 100;

    LivePreview(BrowserPreview& browser, Source source, QObject* parent = nullptr);

    bool isOn() const { return on_; }
    // Turning it on shows the text at once, starting the browser when needed.
    void setOn(bool on);
    // The text or the caret changed: the page follows after the debounce.
    void changed();
    // Updates answered so far (tests and benchmarks wait on it).
    int updatesShown() const { return updatesShown_; }

signals:
    // One line for the status bar.
    void note(const QString& text);
    // An update has reached the page.
    void updated();
    // A page was opened for the text: a browser that has just started may
    // have taken the keyboard from the editor.
    void pageOpened();

private:
    void update();
    void load(const Snapshot& s);
    // Puts the text in place of the page's content (its scripts run), then
    // runs `thenRun` in the page.
    void replaceContent(const Snapshot& s, const QString& thenRun = {});
    void refetch(const Snapshot& s);
    void patch(const Snapshot& s);
    void outline(const Snapshot& s);
    void done();
    void reset();
    void watch(const QJsonObject& result);
    int evaluate(const QString& expression, std::function<void(const QJsonObject& result)> then);
    bool pageShowsBase(const QString& baseUrl) const;

    BrowserPreview& browser_;
    Source source_;
    QTimer debounce_;
    QFileSystemWatcher watcher_;
    bool on_ = false;
    bool inFlight_ = false;
    bool again_ = false;
    bool contentStale_ = false;  // a linked file changed: replace the whole content
    bool pausedNoted_ = false;
    bool hangNoted_ = false;
    int epoch_ = 0;  // replies of an earlier browser or earlier setOn are dropped
    int updatesShown_ = 0;
    QString loadedBase_;
    QString shownHtml_;
    QString cacheOffFor_;  // the page whose cache was turned off
};

}  // namespace files
