// The page checker on the 1 and 10 MB documents, beside a plain tag scan of the
// same bytes (markup::forEachTag) in the same run.
#include <benchmark/benchmark.h>

#include "BenchDocument.h"
#include "check/PageCheck.h"
#include "markup/Text.h"

namespace {

void PlainTagScan(benchmark::State& state)
{
    const std::string& doc = bench::htmlDocument(static_cast<int>(state.range(0)));
    size_t tags = 0;
    for (auto _ : state) {
        tags = 0;
        markup::forEachTag(doc, [&](size_t, size_t) { ++tags; });
        benchmark::DoNotOptimize(tags);
    }
    state.counters["tags"] = static_cast<double>(tags);
}
BENCHMARK(PlainTagScan)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// What the panel's worker does after a pause in typing (no targets: the
// document has no folder).
void PageCheck(benchmark::State& state)
{
    const std::string& doc = bench::htmlDocument(static_cast<int>(state.range(0)));
    size_t problems = 0;
    for (auto _ : state) problems = check::checkPage(doc, {}, {}).size();
    state.counters["problems"] = static_cast<double>(problems);
}
BENCHMARK(PageCheck)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
