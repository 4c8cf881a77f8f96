// Replace All with 100,000 matches in the 10 MB document through the real
// control: the text is read once, replaced in one pass and written back in one
// replacement. The pass alone is measured beside it.
#include <benchmark/benchmark.h>

#include <map>

#include "BenchDocument.h"
#include "app/BodyEditor.h"
#include "markup/FindReplace.h"

namespace {

constexpr int kMatches = 100'000;
constexpr const char* kFind = "findme";  // lower case only: the upper case never occurs
constexpr const char* kReplacement = "was found";

// The benchmark document with the find text put before the tag nearest to
// each of kMatches evenly spaced places.
const std::string& documentWithMatches(int megabytes)
{
    static std::map<int, std::string> made;
    std::string& out = made[megabytes];
    if (!out.empty()) return out;
    const std::string& doc = bench::htmlDocument(megabytes);
    const size_t step = doc.size() / kMatches;
    out.reserve(doc.size() + kMatches * 8);
    size_t copied = 0;
    for (int i = 0; i < kMatches; ++i) {
        const size_t tag = doc.find('<', std::max(copied, static_cast<size_t>(i) * step));
        if (tag == std::string::npos) break;
        out.append(doc, copied, tag - copied).append(kFind);
        copied = tag;
    }
    out.append(doc, copied);
    return out;
}

void ReplaceAll(benchmark::State& state)
{
    const std::string& doc = documentWithMatches(static_cast<int>(state.range(0)));
    app::BodyEditor body;
    std::int64_t count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        body.loadText(doc);
        state.ResumeTiming();
        count = markup::FindReplace::replaceAll(body, body.characters(), kFind, kReplacement);
    }
    state.counters["matches"] = static_cast<double>(count);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}
BENCHMARK(ReplaceAll)->Arg(10)->Iterations(3)->Unit(benchmark::kMillisecond);

void ReplaceAllPass(benchmark::State& state)
{
    const std::string& doc = documentWithMatches(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const markup::ReplaceAllEdit edit = markup::replaceAllMatches(doc, kFind, kReplacement);
        benchmark::DoNotOptimize(edit.count);
        state.counters["matches"] = static_cast<double>(edit.count);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}
BENCHMARK(ReplaceAllPass)->Arg(10)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
