#include "ProgressWait.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace app {
namespace {

std::chrono::milliseconds progressDelay{500};

// The wait cursor for the lifetime of the guard.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void setProgressDelay(std::chrono::milliseconds delay)
{
    progressDelay = delay;
}

bool runWithProgress(QWidget* window, const QString& label, const std::function<void(markup::PassProgress)>& pass)
{
    const WaitCursor cursor;
    std::atomic<bool> cancel{false};
    std::atomic<int> done{0};
    std::mutex mutex;
    std::condition_variable ended;
    bool finished = false;
    QEventLoop loop;
    std::thread worker([&] {
        pass({&cancel, &done});
        {
            const std::lock_guard lock(mutex);
            finished = true;
        }
        ended.notify_all();
        // Queued: the loop ends after the events posted before, a cancel
        // among them.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // A delay of 0 shows the dialog whether the pass has ended or not.
    bool quick = false;
    if (progressDelay.count() > 0) {
        std::unique_lock lock(mutex);
        quick = ended.wait_for(lock, progressDelay, [&] { return finished; });
    }
    if (!quick) {
        QProgressDialog dialog(label, QStringLiteral("Cancel"), 0, 1000, window);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setMinimumDuration(0);
        dialog.setAutoReset(false);
        dialog.setAutoClose(false);
        const auto stop = [&] { cancel = true; };
        QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, stop);
        QObject::connect(&dialog, &QDialog::rejected, &dialog, stop);
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, &dialog, [&] { dialog.setValue(done.load()); });
        ticks.start(50);
        dialog.show();
        loop.exec();
    }
    worker.join();
    return !cancel;
}

}  // namespace app
