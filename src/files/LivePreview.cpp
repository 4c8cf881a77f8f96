#include "LivePreview.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

#include "BrowserPreview.h"

namespace files {
namespace {

// Patches the page to the text `html`: parses it in the page and walks both
// trees, keeping every node that is alike (scroll, form values, loaded
// images and style sheets survive) and replacing the others. Scripts are not
// touched; when their text differs it answers {refresh:true}. With null it
// only lists the linked file URLs. The caret's outline attribute is kept.
const char kPatchFunction[] = R"JS((function (html) {
  const keep = 'data-quillon-caret';
  const files = () => [...document.querySelectorAll(
      'link[href],script[src],img[src],iframe[src],frame[src],source[src],video[src],audio[src],object[data]')]
    .map(e => e.href || e.src || e.data).filter(u => typeof u === 'string' && u.startsWith('file:'));
  if (html === null) return {files: files()};
  const scripts = d => [...d.querySelectorAll('script')].map(s => s.src + '\n' + s.text).join('\0');
  const next = new DOMParser().parseFromString(html, 'text/html');
  if (scripts(next) !== scripts(document)) return {refresh: true};
  const attributes = (o, n) => {
    for (const a of [...o.attributes]) if (a.name !== keep && !n.hasAttribute(a.name)) o.removeAttribute(a.name);
    for (const a of n.attributes) if (o.getAttribute(a.name) !== a.value) o.setAttribute(a.name, a.value);
  };
  // Equal children at both ends are kept as they are (a node inserted or
  // removed moves nothing else); those between are patched pairwise.
  const morph = (o, n) => {
    const old = [...o.childNodes], now = [...n.childNodes];
    let start = 0, endOld = old.length, endNew = now.length;
    while (start < endOld && start < endNew && old[start].isEqualNode(now[start])) ++start;
    while (endOld > start && endNew > start && old[endOld - 1].isEqualNode(now[endNew - 1])) { --endOld; --endNew; }
    const before = old[endOld] || null;
    let i = start, j = start;
    for (; i < endOld && j < endNew; ++i, ++j) {
      const a = old[i], b = now[j];
      if (a.nodeType !== b.nodeType || a.nodeName !== b.nodeName) o.replaceChild(document.importNode(b, true), a);
      else if (a.nodeType === 1) { if (a.nodeName !== 'SCRIPT') { attributes(a, b); morph(a, b); } }
      else if (a.nodeValue !== b.nodeValue) a.nodeValue = b.nodeValue;
    }
    for (; i < endOld; ++i) o.removeChild(old[i]);
    for (; j < endNew; ++j) o.insertBefore(document.importNode(now[j], true), before);
  };
  attributes(document.documentElement, next.documentElement);
  morph(document.documentElement, next.documentElement);
  return {files: files()};
}))JS";

// Outlines the element `tag`[ordinal] (none for an empty tag) with a style
// sheet of its own, never part of the page's text, and scrolls it into view
// only when it lies outside the window.
const char kOutlineFunction[] = R"JS((function (tag, ordinal) {
  const keep = 'data-quillon-caret';
  let sheet = window.__quillonCaretSheet;
  if (!sheet) {
    sheet = window.__quillonCaretSheet = new CSSStyleSheet();
    sheet.replaceSync('[' + keep + ']{outline:2px solid #e0e !important;outline-offset:1px}');
  }
  if (!document.adoptedStyleSheets.includes(sheet)) document.adoptedStyleSheets = [...document.adoptedStyleSheets, sheet];
  if (window.__quillonCaret) window.__quillonCaret.removeAttribute(keep);
  const e = window.__quillonCaret = tag ? document.getElementsByTagName(tag)[ordinal] : null;
  if (!e) return '';
  e.setAttribute(keep, '');
  if (!['HTML', 'HEAD', 'BODY'].includes(e.nodeName)) e.scrollIntoView({block: 'nearest', inline: 'nearest'});
  return e.nodeName;
}))JS";

// A JavaScript string literal of `text` (JSON's escapes are valid there).
QString literal(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

bool failed(const QJsonObject& reply)
{
    return reply.contains(QLatin1String("error")) ||
           reply.value(QLatin1String("result")).toObject().contains(QLatin1String("exceptionDetails"));
}

}  // namespace

LivePreview::LivePreview(BrowserPreview& browser, Source source, QObject* parent)
    : QObject(parent), browser_(browser), source_(std::move(source))
{
    setObjectName(QStringLiteral("LivePreview"));
    debounce_.setSingleShot(true);
    debounce_.setInterval(kDebounceMs);
    connect(&debounce_, &QTimer::timeout, this, &LivePreview::update);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        contentStale_ = true;
        changed();
    });
    // Whatever ended the browser, the replies awaited will not come; the
    // next edit starts it anew.
    connect(&browser_, &BrowserPreview::stopped, this, &LivePreview::reset);
    connect(&browser_, &BrowserPreview::failed, this, &LivePreview::reset);
    connect(&browser_, &BrowserPreview::unanswered, this, [this] {
        reset();
        if (!on_) return;
        if (!hangNoted_)
            emit note(
                QStringLiteral("The preview browser stopped answering (a script of the page may be "
                               "looping), so the editor ended it and started it again."));
        hangNoted_ = true;
        changed();
    });
}

void LivePreview::setOn(bool on)
{
    on_ = on;
    browser_.setQuietWhenUnanswered(on);
    reset();
    pausedNoted_ = hangNoted_ = false;
    if (on) update();
}

void LivePreview::changed()
{
    if (on_) debounce_.start();
}

void LivePreview::reset()
{
    ++epoch_;
    inFlight_ = again_ = false;
    debounce_.stop();
    loadedBase_.clear();
    shownHtml_.clear();
    cacheOffFor_.clear();
    if (!on_ && !watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
}

void LivePreview::update()
{
    if (!on_) return;
    if (inFlight_) {
        again_ = true;
        return;
    }
    const Snapshot s = source_();
    if (s.tooLarge) {
        if (!pausedNoted_)
            emit note(QStringLiteral("Live preview paused: the document is larger than %1 MB. F9 still shows it.")
                          .arg(kMaxBytes >> 20));
        pausedNoted_ = true;
        return;
    }
    pausedNoted_ = false;
    inFlight_ = true;
    if (!pageShowsBase(s.baseUrl))
        load(s);
    else if (contentStale_)
        refetch(s);
    else if (s.html != shownHtml_)
        patch(s);
    else
        outline(s);
}

bool LivePreview::pageShowsBase(const QString& baseUrl) const
{
    const DevToolsSession& session = const_cast<BrowserPreview&>(browser_).session();
    return browser_.running() && session.state() == DevToolsSession::State::Ready && loadedBase_ == baseUrl &&
           QUrl(session.shownUrl()) == QUrl(baseUrl);
}

void LivePreview::load(const Snapshot& s)
{
    loadedBase_ = s.baseUrl;
    shownHtml_.clear();
    browser_.showUrl(
        s.baseUrl,
        [this, s, epoch = epoch_](const QJsonObject& reply) {
            if (epoch != epoch_) return;
            if (failed(reply)) return done();
            // Linked files are read anew at every replacement of the content.
            const QString page = browser_.session().targetId();
            if (cacheOffFor_ != page) {
                cacheOffFor_ = page;
                browser_.request(QStringLiteral("Network.enable"), {}, true, {});
                browser_.request(QStringLiteral("Network.setCacheDisabled"), {{QStringLiteral("cacheDisabled"), true}},
                                 true, {});
            }
            replaceContent(s);
            emit pageOpened();
        },
        false);
}

void LivePreview::replaceContent(const Snapshot& s, const QString& thenRun)
{
    const QJsonObject params{{QStringLiteral("frameId"), browser_.session().targetId()},
                             {QStringLiteral("html"), s.html}};
    browser_.request(QStringLiteral("Page.setDocumentContent"), params, true,
                     [this, s, thenRun, epoch = epoch_](const QJsonObject& reply) {
                         if (epoch != epoch_) return;
                         if (failed(reply)) return done();
                         shownHtml_ = s.html;
                         evaluate(thenRun + QString::fromLatin1(kPatchFunction) + QStringLiteral("(null)"),
                                  [this, s](const QJsonObject& result) {
                                      watch(result);
                                      outline(s);
                                  });
                     });
}

void LivePreview::refetch(const Snapshot& s)
{
    // Content replaced in place would reuse the linked files the page holds:
    // a new page reads them anew (the cache is off), at the same place.
    contentStale_ = false;
    evaluate(QStringLiteral("({x: scrollX, y: scrollY})"), [this, s](const QJsonObject& at) {
        const QJsonObject params{{QStringLiteral("url"), s.baseUrl}};
        browser_.request(QStringLiteral("Page.navigate"), params, true,
                         [this, s, at, epoch = epoch_](const QJsonObject& reply) {
                             if (epoch != epoch_) return;
                             if (failed(reply)) return done();
                             replaceContent(s, QStringLiteral("scrollTo(%1, %2), ")
                                                   .arg(at.value(QLatin1String("x")).toDouble())
                                                   .arg(at.value(QLatin1String("y")).toDouble()));
                         });
    });
}

void LivePreview::patch(const Snapshot& s)
{
    evaluate(QString::fromLatin1(kPatchFunction) + u'(' + literal(s.html) + u')', [this, s](const QJsonObject& result) {
        if (result.isEmpty() || result.value(QLatin1String("refresh")).toBool()) return replaceContent(s);
        shownHtml_ = s.html;
        watch(result);
        outline(s);
    });
}

void LivePreview::outline(const Snapshot& s)
{
    const QString call = QStringLiteral("(%1, %2)").arg(literal(s.caretTag)).arg(s.caretOrdinal);
    evaluate(QString::fromLatin1(kOutlineFunction) + call, [this](const QJsonObject&) { done(); });
}

void LivePreview::done()
{
    inFlight_ = false;
    ++updatesShown_;
    hangNoted_ = false;
    emit updated();
    if (std::exchange(again_, false)) update();
}

int LivePreview::evaluate(const QString& expression, std::function<void(const QJsonObject& result)> then)
{
    const QJsonObject params{{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}};
    return browser_.request(QStringLiteral("Runtime.evaluate"), params, true,
                            [this, then = std::move(then), epoch = epoch_](const QJsonObject& reply) {
                                if (epoch != epoch_) return;
                                // A page that threw or went away: an empty result.
                                const QJsonObject value = failed(reply) ? QJsonObject()
                                                                        : reply.value(QLatin1String("result"))
                                                                              .toObject()
                                                                              .value(QLatin1String("result"))
                                                                              .toObject()
                                                                              .value(QLatin1String("value"))
                                                                              .toObject();
                                then(value);
                            });
}

void LivePreview::watch(const QJsonObject& result)
{
    QStringList paths;
    for (const QJsonValue& url : result.value(QLatin1String("files")).toArray()) {
        const QString path = QUrl(url.toString()).toLocalFile();
        if (!path.isEmpty() && !paths.contains(path)) paths << path;
    }
    // A file saved by renaming a new one over it is a new file to watch.
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (!paths.isEmpty()) watcher_.addPaths(paths);
}

}  // namespace files
