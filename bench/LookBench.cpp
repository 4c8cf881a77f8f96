// Colour as you type against the open, keystroke and long-line budgets: the
// same operations as Open, TypeAtEnd and LongLineShow with the HTML lexer on,
// to be read as ratios to those rows of the same run.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "BenchDocument.h"
#include "BenchWindow.h"
#include "editor/LargeBlocks.h"

namespace {

void LiveColourOpen(benchmark::State& state)
{
    const QString path = bench::htmlDocumentFile(static_cast<int>(state.range(0)));
    bench::BenchWindow window;
    window.body().setLiveColouring(true);
    bench::openEachIteration(state, window, path);
    if (!window.body().colouringLive()) state.SkipWithError("the lexer was not on");
}
BENCHMARK(LiveColourOpen)->Arg(10)->Iterations(5)->Unit(benchmark::kMillisecond);

void LiveColourType(benchmark::State& state)
{
    bench::BenchWindow window;
    editor::BodyControl& body = window.body();
    body.setLiveColouring(true);
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    body.setFocus();
    body.setSelection(body.length(), 0);
    window.paint();
    for (auto _ : state) {
        bench::typeKey(body, Qt::Key_X, QStringLiteral("x"));
        window.paint();
    }
}
BENCHMARK(LiveColourType)->Arg(10)->Unit(benchmark::kMillisecond);

// A minified page keeps its long-line window with the lexer wanted.
void LiveColourLongLine(benchmark::State& state)
{
    const std::string page = bench::minifiedPage(static_cast<size_t>(state.range(0)) << 20);
    editor::BodyControl editor;
    editor.setLiveColouring(true);
    bench::showEachIteration(state, editor, page);
    if (editor.colouringLive()) state.SkipWithError("the lexer took the long line");
}
BENCHMARK(LiveColourLongLine)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
