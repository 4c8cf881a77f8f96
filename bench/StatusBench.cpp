// The status bar refreshes four times a second: it must stay far below a
// millisecond at any document size, with the caret at the end of a 10 MB
// document of ordinary lines and of one long line (a minified page).
#include <benchmark/benchmark.h>

#include <QStatusBar>

#include "app/BodyEditor.h"
#include "app/StatusPanels.h"

namespace {

std::string document(size_t bytes, bool oneLine)
{
    const std::string piece = oneLine ? "<p class=\"x\">Some text with <b>tags</b> and caf\xc3\xa9.</p>"
                                      : "<p class=\"x\">Some text with <b>tags</b> and caf\xc3\xa9.</p>\r\n";
    std::string out;
    out.reserve(bytes + piece.size());
    while (out.size() < bytes) out += piece;
    return out;
}

void StatusRefresh(benchmark::State& state)
{
    const bool oneLine = state.range(1) != 0;
    app::BodyEditor body;
    QStatusBar bar;
    app::StatusPanels panels(bar, body, [] { return QStringLiteral("/tmp/page.html"); });
    body.loadText(document(static_cast<size_t>(state.range(0)) << 20, oneLine));
    body.setSelection(body.length(), 0);
    for (auto _ : state) panels.update();
    state.SetLabel(std::to_string(state.range(0)) + " MB" + (oneLine ? ", one line" : ""));
}
BENCHMARK(StatusRefresh)->Args({1, 0})->Args({10, 0})->Args({10, 1})->Unit(benchmark::kMicrosecond);

}  // namespace
