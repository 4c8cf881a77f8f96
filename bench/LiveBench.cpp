// The live preview: what a keystroke costs the editor with it on and off (the
// page updates wait for a pause in typing, so on costs a timer restart), and
// how long an edit takes to reach a real headless Chromium at 10 KB, 1 MB and
// 5 MB, beside F9's save and reload of the same page. The latency rows use
// manual time: from the key to the page's answer that the update is in place
// (LiveLatency), or to the page showing the saved edit (F9Reload).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonObject>
#include <QThread>
#include <functional>
#include <memory>
#include <optional>

#include "BenchDocument.h"
#include "BenchWindow.h"
#include "files/BrowserPreview.h"
#include "files/LivePreview.h"
#include "settings/SettingsStore.h"

namespace {

// Handles events until `done` or `ms` have passed (no test library here).
bool waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return true;
}

void pause(int ms)
{
    waitFor([] { return false; }, ms);
}

// The generated document cut to `kilobytes` KB at a line's end.
std::string documentOf(int kilobytes)
{
    const std::string& whole = bench::htmlDocument((kilobytes + 1023) / 1024);
    const size_t end = whole.rfind('\n', size_t(kilobytes) * 1024);
    return whole.substr(0, end == std::string::npos ? whole.size() : end + 1) + "<p id=z>0</p>";
}

// The stand-in window with the live preview switched on (headless browser)
// or off, the document loaded and the caret in the marker paragraph.
struct LiveWindow {
    explicit LiveWindow(bool on, int kilobytes)
    {
        files::BrowserPreview::options().headless = true;
        // A large page's first load can take seconds on a loaded machine.
        files::BrowserPreview::options().replyTimeoutMs = 60'000;
        settings::SettingsStore().write(settings::user::kBrowser, QStringLiteral("microsoft"));
        window.open(documentOf(kilobytes));
        body().setSelection(body().length() - 5, 0);
        if (on) window.run("ViewLivePreviewClick");
    }
    ~LiveWindow()
    {
        if (live().isOn()) window.run("ViewLivePreviewClick");
        preview().close();
    }
    editor::BodyControl& body() { return window.body(); }
    files::LivePreview& live()
    {
        return *window.window()->findChild<files::LivePreview*>(QStringLiteral("LivePreview"));
    }
    files::BrowserPreview& preview()
    {
        return *window.window()->findChild<files::BrowserPreview*>(QStringLiteral("BrowserPreview"));
    }
    // Waits (handling events) for the next update the page answered.
    bool nextUpdate(int before, int ms = 20'000)
    {
        return waitFor([&] { return live().updatesShown() > before; }, ms);
    }
    // The answer is shared with the reply handler: a page busy loading may
    // answer after this has given up waiting.
    QString marker()
    {
        const auto value = std::make_shared<std::optional<QString>>();
        const QJsonObject params{{"expression", "document.getElementById('z')?.textContent ?? ''"},
                                 {"returnByValue", true}};
        preview().request("Runtime.evaluate", params, true, [value](const QJsonObject& reply) {
            *value = reply["result"]["result"]["value"].toString();
        });
        waitFor([&] { return value->has_value(); }, 5000);
        return value->value_or(QString());
    }
    bench::BenchWindow window;
};

void TypeWithLivePreview(benchmark::State& state)
{
    LiveWindow w(state.range(0) != 0, 1024);
    if (state.range(0) && !w.nextUpdate(0)) return state.SkipWithError("the page never showed the document");
    w.window.paint();
    for (auto _ : state) {
        bench::typeKey(w.body(), Qt::Key_X, QStringLiteral("x"));
        w.window.paint();
    }
}
BENCHMARK(TypeWithLivePreview)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void LiveLatency(benchmark::State& state)
{
    LiveWindow w(true, int(state.range(0)));
    if (!w.nextUpdate(0)) return state.SkipWithError("the page never showed the document");
    QElapsedTimer clock;
    for (auto _ : state) {
        pause(50);
        const int before = w.live().updatesShown();
        clock.start();
        bench::typeKey(w.body(), Qt::Key_1, QStringLiteral("1"));
        if (!w.nextUpdate(before)) return state.SkipWithError("an update never reached the page");
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    if (!w.marker().startsWith(u'1')) state.SkipWithError("the page does not show the typed text");
}
BENCHMARK(LiveLatency)->Arg(10)->Arg(1024)->Arg(5000)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void F9Reload(benchmark::State& state)
{
    LiveWindow w(false, int(state.range(0)));
    const QString path = QDir::current().filePath(QStringLiteral("f9-bench.html"));
    QElapsedTimer clock;
    int n = 0;
    for (auto _ : state) {
        pause(50);
        clock.start();
        bench::typeKey(w.body(), Qt::Key_1, QStringLiteral("1"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return state.SkipWithError("cannot write the page");
        file.write(QByteArray::fromStdString(w.body().text()));
        file.close();
        w.preview().show(path);
        const QString want = QString(++n, u'1') + u'0';
        if (!waitFor([&] { return w.marker() == want; }, 60'000))
            return state.SkipWithError("the page never showed the saved edit");
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    QFile::remove(path);
}
BENCHMARK(F9Reload)->Arg(10)->Arg(1024)->Arg(5000)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
