// The preview's side of the DevTools conversation without a browser: framing
// of the reply stream, the browser the author sees, and the order of commands
// when previews arrive before the page is ready (the rest, the pipe alone
// among it, is proven against a real browser in tests/preview).

#include <QJsonDocument>

#include "files/BrowserPreview.h"
#include "files/DevToolsSession.h"

namespace {

struct FramingCase {
    std::vector<const char*> reads;  // '|' stands for the NUL
    std::vector<QByteArray> messages;
};

TEST(MessageFraming, SplitsOnNulWhereverAReadEnds)
{
    const FramingCase cases[] = {
        {{"{\"id\":1}|"}, {"{\"id\":1}"}},
        {{"{\"id\":1}|{\"id\"", ":2}|"}, {"{\"id\":1}", "{\"id\":2}"}},
        {{"{\"a\"", ":", "1}||"}, {"{\"a\":1}", ""}},
        {{"{\"half\""}, {}},
    };
    for (const FramingCase& c : cases) {
        files::MessageFraming framing;
        std::vector<QByteArray> got;
        for (const char* read : c.reads)
            for (QByteArray& m : framing.take(QByteArray(read).replace('|', '\0'))) got.push_back(std::move(m));
        EXPECT_EQ(got, c.messages) << c.reads.front();
    }
}

// The preview tests run the browser headless (as root, unsandboxed); for the
// author it shows its window, in its sandbox.
TEST(ChromiumArguments, ShowAWindowInTheSandboxUnlessAskedNot)
{
    const QStringList args = files::chromiumArguments(QStringLiteral("/tmp/p"), false, false);
    EXPECT_FALSE(args.contains(QStringLiteral("--headless=new")) || args.contains(QStringLiteral("--no-sandbox")));
}

// A browser played by the test: every command written is kept, and replies
// and events are handed in as the browser would send them.
class ScriptedBrowser : public testing::Test {
protected:
    QJsonObject sent(size_t i) const { return QJsonDocument::fromJson(frames.at(i).chopped(1)).object(); }
    QString method(size_t i) const { return sent(i).value("method").toString(); }
    QString param(size_t i, const char* key) const { return sent(i)["params"].toObject()[key].toString(); }
    void reply(size_t i, const char* result)
    {
        session.receive(
            QStringLiteral("{\"id\":%1,\"result\":%2}").arg(sent(i).value("id").toInt()).arg(result).toUtf8());
    }

    std::vector<QByteArray> frames;
    files::DevToolsSession session{[this](const QByteArray& f) {
        frames.push_back(f);
        return true;
    }};
};

TEST_F(ScriptedBrowser, PreviewsWaitForTheEnabledPage)
{
    session.browserStarted();
    session.show("file:///one.html");
    ASSERT_EQ(method(0), "Target.getTargets");
    reply(0, R"({"targetInfos":[{"targetId":"UI","type":"browser_ui"},{"targetId":"P","type":"page"}]})");
    ASSERT_EQ(method(1), "Target.attachToTarget");
    EXPECT_EQ(param(1, "targetId"), "P");
    reply(1, R"({"sessionId":"S"})");
    ASSERT_EQ(method(2), "Page.enable");
    session.show("file:///two.html");  // a second F9 before the page is ready
    ASSERT_EQ(frames.size(), 3u);
    reply(2, "{}");
    ASSERT_EQ(frames.size(), 5u);
    EXPECT_EQ(method(3), "Page.navigate");
    EXPECT_EQ(param(3, "url"), "file:///two.html");
    EXPECT_EQ(sent(3)["sessionId"], "S");
    EXPECT_EQ(method(4), "Page.bringToFront");
}

}  // namespace
