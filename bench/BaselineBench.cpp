// The machine's limit for a whole-document pass: a bare memchr scan of the same
// bytes for '<' and '>'. Every other figure is read as a ratio to this one.
#include <benchmark/benchmark.h>

#include <cstring>

#include "BenchDocument.h"

namespace {

void Baseline_MemchrScan(benchmark::State& state)
{
    const std::string& doc = bench::htmlDocument(static_cast<int>(state.range(0)));
    size_t tags = 0;
    for (auto _ : state) {
        tags = 0;
        const char* p = doc.data();
        const char* end = p + doc.size();
        while (p < end) {
            const char* lt = static_cast<const char*>(std::memchr(p, '<', static_cast<size_t>(end - p)));
            if (!lt) break;
            const char* gt = static_cast<const char*>(std::memchr(lt, '>', static_cast<size_t>(end - lt)));
            if (!gt) break;
            ++tags;
            p = gt + 1;
        }
        benchmark::DoNotOptimize(tags);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
    state.counters["tags"] = static_cast<double>(tags);
}
BENCHMARK(Baseline_MemchrScan)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace
