// Where the start-up time goes. With QUILLON_STARTUP_TRACE set in the
// environment, each mark prints one line to standard error:
//   startup <monotonic clock in us> <CPU time of the process in us> <what was just done>
// The clock is CLOCK_MONOTONIC, the one a starter can read too (Python's
// time.monotonic), so that the time before main() is seen as well:
// bench/ready_time.py prints the breakdown. Without the variable a mark costs
// the test of a flag.
#pragma once

class QWidget;

namespace editor {

void startupMark(const char* what);

// From now on: marks the first paint of `widget` (of the viewport of its
// scrolling area, when it has one: an editor's text) and its end, then every time
// the event loop goes idle after more than a little work, for a few seconds
// (work that comes after the first paint shows here).
void traceFirstPaintAndIdle(QWidget& widget);

}  // namespace editor
