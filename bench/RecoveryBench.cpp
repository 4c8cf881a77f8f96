// One recovery snapshot of the document in the control, after a keystroke at
// its start (the worst case: the text must first be made contiguous, Scintilla
// keeping the gap of its buffer where the last edit was).
// RecoverySnapshotUi: the time the user-interface thread is blocked (the copy
// of the text, handing it to the worker); RecoverySnapshot: the whole snapshot,
// until the file is written and synced.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "BenchDocument.h"
#include "BenchWindow.h"
#include "app/Recovery.h"

namespace {

template <bool whole>
void Snapshot(benchmark::State& state)
{
    QTemporaryDir dir;
    bench::BenchWindow window;
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    app::Recovery recovery(
        window.body(),
        [] {
            return storage::DocumentName{QStringLiteral("/web/page.html"), {}};
        },
        dir.filePath(QStringLiteral("1")));
    for (auto _ : state) {
        state.PauseTiming();
        window.body().setSelection(0, 0);
        window.body().replaceSelection("x");
        state.ResumeTiming();
        recovery.snapshot();
        if (!whole) state.PauseTiming();
        recovery.waitForWrite();
        if (!whole) state.ResumeTiming();
    }
}

[[maybe_unused]] const bool kRegistered = [] {
    bench::registerWholeDocument("RecoverySnapshotUi", Snapshot<false>);
    bench::registerWholeDocument("RecoverySnapshot", Snapshot<true>);
    return true;
}();

}  // namespace
