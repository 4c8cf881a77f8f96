#include "commands/ProgressWait.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace commands {
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

bool runWithProgress(QWidget* window, const QString& label, const std::function<void(markup::PassProgress)>& pass,
                     const std::function<void()>& finish)
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
    std::unique_ptr<QProgressDialog> dialog;
    if (!quick) {
        dialog = std::make_unique<QProgressDialog>(label, QStringLiteral("Cancel"), 0, 1000, window);
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->setMinimumDuration(0);
        dialog->setAutoReset(false);
        dialog->setAutoClose(false);
        const auto stop = [&] { cancel = true; };
        QObject::connect(dialog.get(), &QProgressDialog::canceled, dialog.get(), stop);
        QObject::connect(dialog.get(), &QDialog::rejected, dialog.get(), stop);
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, dialog.get(), [&] { dialog->setValue(done.load()); });
        ticks.start(50);
        dialog->show();
        loop.exec();
    }
    worker.join();
    if (cancel) return false;
    if (dialog) {
        dialog->setCancelButton(nullptr);
        dialog->setValue(1000);
        // Painted before the work that follows holds the thread; no input.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    if (finish) finish();
    return true;
}

}  // namespace commands
