// A long pass run on a thread of its own while the window waits for it: the
// wait cursor at once and, past half a second, a progress dialog whose Cancel
// button (and Esc, and its close box) asks the pass to stop.
#pragma once

#include <QString>
#include <chrono>
#include <functional>

#include "markup/FindReplace.h"

class QWidget;

namespace commands {

// Runs `pass` on a worker thread and returns once it has ended: true when it
// ran to its end, false when the author cancelled it (its result is then to
// be dropped). Until the dialog shows, no event is handled; the dialog is
// application-modal. So nothing the author does can change what the pass
// reads while it runs. After a pass that ran to its end, `finish` (putting
// its result in place, which cannot be cancelled) runs on this thread with
// the wait cursor still on and the dialog, if shown, full and without its
// Cancel button.
bool runWithProgress(QWidget* window, const QString& label, const std::function<void(markup::PassProgress)>& pass,
                     const std::function<void()>& finish = {});

// How long a pass runs before its dialog shows: half a second; 0 (tests that
// need the dialog) shows it at once, even for a pass that has ended.
void setProgressDelay(std::chrono::milliseconds delay);

}  // namespace commands
