#include "editor/StartupTrace.h"

#include <QAbstractEventDispatcher>
#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace editor {
namespace {

const bool kTracing = std::getenv("QUILLON_STARTUP_TRACE") != nullptr;

long long microseconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

// The first mark: the libraries are loaded and the program's own static
// objects made (this runs just before main()).
const bool kLoaded = [] {
    startupMark("libraries loaded");
    return true;
}();

// Marks the first paint of the watched widget, then the idle moments.
class PaintAndIdle : public QObject {
public:
    explicit PaintAndIdle(QWidget& widget) : QObject(&widget) { widget.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            startupMark("first paint begins");
            // Runs once the paint has returned.
            QTimer::singleShot(0, this, [this] {
                startupMark("first paint done");
                lastCpu_ = microseconds(CLOCK_PROCESS_CPUTIME_ID);
                startedIdle_ = microseconds(CLOCK_MONOTONIC);
                connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                        [this] { idle(); });
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void idle()
    {
        const long long cpu = microseconds(CLOCK_PROCESS_CPUTIME_ID);
        if (first_ || cpu - lastCpu_ > 2000) startupMark(first_ ? "idle" : "idle again, after more work");
        first_ = false;
        lastCpu_ = cpu;
        if (microseconds(CLOCK_MONOTONIC) - startedIdle_ > 5000000)
            disconnect(QAbstractEventDispatcher::instance(), nullptr, this, nullptr);
    }

    bool painted_ = false;
    bool first_ = true;
    long long lastCpu_ = 0;
    long long startedIdle_ = 0;
};

}  // namespace

void startupMark(const char* what)
{
    if (!kTracing) return;
    std::fprintf(stderr, "startup %lld %lld %s\n", microseconds(CLOCK_MONOTONIC),
                 microseconds(CLOCK_PROCESS_CPUTIME_ID), what);
}

void traceFirstPaintAndIdle(QWidget& widget)
{
    (void)kLoaded;
    if (!kTracing) return;
    // The text of an editor is painted in its scrolling area's viewport.
    auto* area = widget.findChild<QAbstractScrollArea*>();
    new PaintAndIdle(area ? *area->viewport() : widget);
}

}  // namespace editor
