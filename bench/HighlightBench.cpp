// Highlighting through the real control with highlighting on: the whole
// document coloured (as after opening it, with the wait caption), the lines
// around the caret recoloured at the end of the document (what follows every
// inserted tag), and the tag scan alone.
#include <benchmark/benchmark.h>

#include "BenchDocument.h"
#include "BenchWindow.h"
#include "markup/Highlighter.h"

namespace {

void ColourDocument(benchmark::State& state)
{
    bench::BenchWindow window;
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    bench::PageFaults faults;
    for (auto _ : state) {
        // Each pass colours a document without colours, as after opening it.
        state.PauseTiming();
        window.body().clearStyles();
        faults.start();
        state.ResumeTiming();
        window.ColourDocument();
        window.paint();
        faults.stop();
    }
    faults.report(state);
}

void TagStylesPass(benchmark::State& state)
{
    const std::string& doc = bench::htmlDocument(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(markup::tagStyles(doc));
}

[[maybe_unused]] const bool kRegistered = [] {
    bench::registerWholeDocument("ColourDocument", ColourDocument);
    bench::registerWholeDocument("TagStylesPass", TagStylesPass);
    return true;
}();

void RecolourNearCaret(benchmark::State& state)
{
    bench::BenchWindow window;
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    editor::BodyControl& body = window.body();
    const markup::Pos end = body.length() - 2;  // on the last line of text
    for (auto _ : state) {
        body.setSelection(end, 0);
        window.RecolourNearCaret(1, 1);
    }
}
BENCHMARK(RecolourNearCaret)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);

}  // namespace
