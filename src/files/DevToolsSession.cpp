#include "DevToolsSession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace files {
namespace {

QString text(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toString();
}

QJsonObject result(const QJsonObject& reply)
{
    return reply.value(QLatin1String("result")).toObject();
}

bool sameUrl(const QString& a, const QString& b)
{
    return !a.isEmpty() && QUrl(a) == QUrl(b);
}

}  // namespace

std::vector<QByteArray> MessageFraming::take(QByteArrayView bytes)
{
    std::vector<QByteArray> messages;
    qsizetype from = 0;
    for (qsizetype nul = bytes.indexOf('\0'); nul >= 0; nul = bytes.indexOf('\0', from)) {
        buffer_.append(bytes.sliced(from, nul - from));
        messages.push_back(std::exchange(buffer_, QByteArray()));
        from = nul + 1;
    }
    buffer_.append(bytes.sliced(from));
    return messages;
}

QByteArray frameMessage(const QJsonObject& message)
{
    // Compact JSON escapes control characters, so the NUL is the only one.
    return QJsonDocument(message).toJson(QJsonDocument::Compact) + '\0';
}

QString documentUrl(const QString& path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

QString messagePageUrl(const QString& text)
{
    const QString page = QStringLiteral("<!DOCTYPE html><title>Quillon Pro</title><p>%1</p>").arg(text.toHtmlEscaped());
    return QStringLiteral("data:text/html;charset=utf-8,") + QString::fromLatin1(QUrl::toPercentEncoding(page));
}

void DevToolsSession::browserStarted()
{
    browserGone();
    state_ = State::Starting;
    // The first page the browser opens is ours.
    request(QStringLiteral("Target.getTargets"), {}, false, [this](const QJsonObject& reply) {
        if (reply.contains(QLatin1String("error"))) return fail(QStringLiteral("list its pages"), reply);
        for (const QJsonValue& info : result(reply).value(QLatin1String("targetInfos")).toArray()) {
            if (text(info.toObject(), "type") == QLatin1String("page"))
                return attach(text(info.toObject(), "targetId"));
        }
        openNewPage();
    });
}

void DevToolsSession::browserGone()
{
    state_ = State::Stopped;
    pending_.clear();
    targetId_.clear();
    sessionId_.clear();
    shownUrl_.clear();
    wantedUrl_.clear();
    wantedShown_ = {};
}

void DevToolsSession::openNewPage()
{
    state_ = State::Attaching;
    const QJsonObject params{{QStringLiteral("url"), QStringLiteral("about:blank")}};
    request(QStringLiteral("Target.createTarget"), params, false, [this](const QJsonObject& reply) {
        if (reply.contains(QLatin1String("error"))) return fail(QStringLiteral("open a page"), reply);
        attach(text(result(reply), "targetId"));
    });
}

void DevToolsSession::attach(const QString& targetId)
{
    state_ = State::Attaching;
    targetId_ = targetId;
    const QJsonObject params{{QStringLiteral("targetId"), targetId}, {QStringLiteral("flatten"), true}};
    request(QStringLiteral("Target.attachToTarget"), params, false, [this](const QJsonObject& reply) {
        if (reply.contains(QLatin1String("error"))) return fail(QStringLiteral("attach to its page"), reply);
        sessionId_ = text(result(reply), "sessionId");
        // Navigating before this reply has come can lose the page's load events.
        request(QStringLiteral("Page.enable"), {}, true, [this](const QJsonObject& enabled) {
            if (enabled.contains(QLatin1String("error"))) return fail(QStringLiteral("watch its page"), enabled);
            state_ = State::Ready;
            showWanted();
        });
    });
}

void DevToolsSession::forgetPage()
{
    if (state_ == State::Stopped) return;
    state_ = State::PageClosed;
    targetId_.clear();
    sessionId_.clear();
    shownUrl_.clear();
    if (!wantedUrl_.isEmpty()) openNewPage();
}

void DevToolsSession::show(const QString& url, Reply shown, bool toFront)
{
    wantedUrl_ = url;
    wantedShown_ = std::move(shown);
    wantedToFront_ = toFront;
    retried_ = false;
    if (state_ == State::Ready)
        showWanted();
    else if (state_ == State::PageClosed)
        openNewPage();
}

void DevToolsSession::showWanted()
{
    if (wantedUrl_.isEmpty()) return;
    const QString url = std::exchange(wantedUrl_, QString());
    auto retryOnce = [this, url, shown = std::exchange(wantedShown_, Reply())](const QJsonObject& reply) {
        // The page went away between the command and its reply: open another.
        if (!reply.contains(QLatin1String("error")) || retried_ || state_ != State::Ready) {
            if (shown) shown(reply);
            return;
        }
        retried_ = true;
        wantedUrl_ = url;
        wantedShown_ = shown;
        forgetPage();
    };
    if (sameUrl(shownUrl_, url))
        request(QStringLiteral("Page.reload"), {{QStringLiteral("ignoreCache"), true}}, true, retryOnce);
    else
        request(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), url}}, true, retryOnce);
    if (wantedToFront_) request(QStringLiteral("Page.bringToFront"), {}, true);
}

void DevToolsSession::closeBrowser()
{
    request(QStringLiteral("Browser.close"), {}, false);
}

int DevToolsSession::request(const QString& method, const QJsonObject& params, bool onPage, Reply done)
{
    QJsonObject message{{QStringLiteral("id"), ++lastId_}, {QStringLiteral("method"), method}};
    if (!params.isEmpty()) message.insert(QStringLiteral("params"), params);
    if (onPage) message.insert(QStringLiteral("sessionId"), sessionId_);
    if (!write_(frameMessage(message))) return 0;
    pending_[lastId_] = std::move(done);
    return lastId_;
}

void DevToolsSession::receive(const QByteArray& bytes)
{
    const QJsonObject message = QJsonDocument::fromJson(bytes).object();
    if (message.contains(QLatin1String("id"))) {
        auto it = pending_.find(message.value(QLatin1String("id")).toInt());
        if (it == pending_.end()) return;
        Reply done = std::move(it->second);
        pending_.erase(it);
        if (done) done(message);
        return;
    }
    const QString method = text(message, "method");
    const QJsonObject params = message.value(QLatin1String("params")).toObject();
    const bool ourPage = !sessionId_.isEmpty() && text(message, "sessionId") == sessionId_;
    if (method == QLatin1String("Page.frameNavigated")) {
        const QJsonObject frame = params.value(QLatin1String("frame")).toObject();
        if (ourPage && !frame.contains(QLatin1String("parentId"))) shownUrl_ = text(frame, "url");
    } else if (method == QLatin1String("Inspector.targetCrashed")) {
        // The page's renderer died; navigating (not reloading) brings it back.
        if (ourPage) shownUrl_.clear();
    } else if (method == QLatin1String("Target.detachedFromTarget")) {
        if (!sessionId_.isEmpty() && text(params, "sessionId") == sessionId_) forgetPage();
    } else if (method == QLatin1String("Target.targetDestroyed")) {
        if (!targetId_.isEmpty() && text(params, "targetId") == targetId_) forgetPage();
    } else if (method == QLatin1String("Inspector.detached")) {
        if (ourPage) forgetPage();
    }
}

void DevToolsSession::fail(const QString& step, const QJsonObject& reply)
{
    const QString reason = text(reply.value(QLatin1String("error")).toObject(), "message");
    if (onFailure) onFailure(QStringLiteral("The web browser did not let the editor %1: %2").arg(step, reason));
}

}  // namespace files
