// The status bar refreshes four times a second: it must stay far below a
// millisecond at any document size. StatusRefresh: the real panels with the
// caret at the end of the last long line of the generated document (its column
// is counted from the line's start); StatusRefreshOneLine: the caret at the end
// of a minified page, the whole document on one line.
#include <benchmark/benchmark.h>

#include <QStatusBar>

#include "BenchDocument.h"
#include "app/StatusPanels.h"
#include "editor/BodyControl.h"

namespace {

void refresh(benchmark::State& state, const std::string& text, bool lastLongLine)
{
    editor::BodyControl body;
    QStatusBar bar;
    app::StatusPanels panels(bar, body, [] { return QStringLiteral("/tmp/page.html"); });
    body.loadText(text);
    markup::Pos caret = body.length();
    if (lastLongLine) {
        int line = body.lineCount() - 1;
        while (line > 0 && body.lineStart(line) - body.lineStart(line - 1) < 8192) --line;
        caret = body.lineStart(line) - 2;
    }
    body.setSelection(caret, 0);
    for (auto _ : state) panels.update();
    state.counters["column"] = body.caretColumn() + 1;
}

void StatusRefresh(benchmark::State& state)
{
    refresh(state, bench::htmlDocument(static_cast<int>(state.range(0))), true);
}
BENCHMARK(StatusRefresh)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);

void StatusRefreshOneLine(benchmark::State& state)
{
    refresh(state, bench::minifiedPage(static_cast<size_t>(state.range(0)) << 20), false);
}
BENCHMARK(StatusRefreshOneLine)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace
