// Highlighting through the real control on the generated 10 MB document (about
// 800,000 tags, CR LF): the pure tag scan, the whole-document colouring in one
// pass and one styling call, and the recolouring of the lines around the caret
// at the end of the document. Read beside Baseline_MemchrScan/10.
#include <benchmark/benchmark.h>

#include "BenchDocument.h"
#include "app/BodyEditor.h"
#include "markup/Highlighter.h"

namespace {

app::BodyEditor& loadedBody(int megabytes)
{
    static app::BodyEditor* body = nullptr;
    static int loaded = 0;
    if (!body) body = new app::BodyEditor;
    if (loaded != megabytes) {
        body->loadText(bench::htmlDocument(megabytes));
        loaded = megabytes;
    }
    return *body;
}

void TagStyles(benchmark::State& state)
{
    const std::string& doc = bench::htmlDocument(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(markup::TagStyles(doc));
}
BENCHMARK(TagStyles)->Arg(10)->Unit(benchmark::kMillisecond);

void ColourDocument(benchmark::State& state)
{
    app::BodyEditor& body = loadedBody(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        // Each pass colours a document without colours, as after opening it.
        state.PauseTiming();
        body.clearStyles();
        state.ResumeTiming();
        markup::ColourDocument(body);
    }
}
BENCHMARK(ColourDocument)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(10);

void RecolourNearCaret(benchmark::State& state)
{
    app::BodyEditor& body = loadedBody(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        body.setSelection(body.length(), 0);
        markup::RecolourNearCaret(body, 1, 1);
    }
}
BENCHMARK(RecolourNearCaret)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace
